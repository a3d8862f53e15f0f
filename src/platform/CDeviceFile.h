#pragma once

#include <QString>
#include <QtGlobal>

// A file on the handheld opened for reading without sharing: the open fails while any other open of
// it holds the file's lock (the handheld edition keeps its database locked while it runs), and while
// this one is open nobody else gets it. Closed by Close or the destructor.
class CDeviceFile final
{
public:
    CDeviceFile() = default;
    ~CDeviceFile();
    Q_DISABLE_COPY_MOVE(CDeviceFile)

    // Opens an existing file by its handheld path through the device link.
    bool Open(const QString& devicePath);
    // Opens an existing file by its local path: for what runs on the handheld's side.
    bool OpenLocal(const QString& localPath);
    // False when nothing was open.
    bool Close();
    bool IsOpen() const { return m_descriptor >= 0; }

private:
    int m_descriptor = -1;
};
