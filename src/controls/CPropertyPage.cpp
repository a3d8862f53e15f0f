#include "controls/CPropertyPage.h"

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {}

void CPropertyPage::OnSetActive()
{
    // The first showing follows Initialize, which has just filled the controls.
    if (m_shownOnce)
        UpdateData(false);
    m_shownOnce = true;
}

bool CPropertyPage::OnKillActive()
{
    return UpdateData(true);
}

bool CPropertyPage::UpdateData(bool save)
{
    return DoDataExchange(save);
}

void CPropertyPage::Initialize()
{
    if (m_initialized)
        return;
    m_initialized = true;
    UpdateData(false);
    OnInitDialog();
}
