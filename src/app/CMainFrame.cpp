#include "app/CMainFrame.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Hearthstead"));
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateViews() {}

void CMainFrame::FillHomesList(long) {}

void CMainFrame::SelectHome(long id)
{
    m_currentHomeId = id;
}

void CMainFrame::ShowHomesView()
{
    m_currentHomeId = -1;
    setWindowTitle(QStringLiteral("Hearthstead"));
}

void CMainFrame::NewHome() {}
