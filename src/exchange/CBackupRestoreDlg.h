#pragma once

#include <QDialog>

class CADODataBase;
class QPushButton;

// "Backup & Restore": copies the data file out to a file the user chooses, or replaces it with such a
// copy. Backup and Restore each close the dialog once they have copied (or failed to); a cancelled
// chooser, a No to the question or a refused file leave it open. A restore that closed the session
// emits dataFileReplaced() before the dialog closes, whatever its outcome, so the frame can reload.
class CBackupRestoreDlg final : public QDialog
{
    Q_OBJECT
public:
    // The session is not owned; it is closed and reopened around a restore.
    explicit CBackupRestoreDlg(CADODataBase& database, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CBackupRestoreDlg)

    void OnBackup();
    void OnRestore();

signals:
    void dataFileReplaced();

private:
    QString ChooseFile(bool save);
    bool Refuses(const QString& source);
    void Warn(const QString& text);

    CADODataBase& m_database;
};
