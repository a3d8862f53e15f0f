#pragma once

#include <QMainWindow>

// The program's one top-level window. It owns the current home and shows one view at a time.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;
    Q_DISABLE_COPY_MOVE(CMainFrame)

    void CreateViews();
    // Refills the homes view's list, selecting that home id (0: none).
    void FillHomesList(long selectId);
    void SelectHome(long id);
    void ShowHomesView();
    void NewHome();
    long GetCurrentHomeId() const { return m_currentHomeId; }

private:
    long m_currentHomeId = -1;
};
