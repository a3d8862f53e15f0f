#include "controls/CPropertySheet.h"

#include "controls/CPropertyPage.h"
#include "platform/CPrompt.h"

#include <QDialogButtonBox>
#include <QHideEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_ok(m_buttons->button(QDialogButtonBox::Ok)), m_cancel(m_buttons->button(QDialogButtonBox::Cancel))
{
    setWindowTitle(caption);
    setObjectName(QStringLiteral("propertySheet"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_buttons->setObjectName(QStringLiteral("buttons"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_buttons);
    setMinimumSize(420, 380);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::PressOk);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::PressCancel);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanging);
}

CPropertySheet::~CPropertySheet()
{
    // Pages dying with the sheet change the current tab; nothing may be asked of them then.
    disconnect(m_tabs, nullptr, this, nullptr);
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (page == nullptr || m_tabs->indexOf(page) >= 0)
        return;
    m_tabs->addTab(page, page->GetTitle());
    PlaceButtonsAfter(page);
}

int CPropertySheet::GetPageCount() const
{
    return m_tabs->count();
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    // A page being destroyed is no longer a CPropertyPage, so the cast skips it.
    return qobject_cast<CPropertyPage*>(m_tabs->widget(index));
}

void CPropertySheet::SetActivePage(int index)
{
    if (index >= 0 && index < m_tabs->count())
        m_tabs->setCurrentIndex(index);
}

void CPropertySheet::SetActivePage(CPropertyPage* page)
{
    SetActivePage(m_tabs->indexOf(page));
}

int CPropertySheet::GetActiveIndex() const
{
    return m_tabs->currentIndex();
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(m_tabs->currentIndex());
}

void CPropertySheet::SetOkHandler(std::function<bool()> handler)
{
    m_okHandler = std::move(handler);
}

int CPropertySheet::DoModal()
{
    return Prompt().RunModal(*this);
}

void CPropertySheet::PressOk()
{
    if (m_active && !m_active->OnKillActive()) {
        FocusPage(m_active);
        return;
    }
    for (int i = 0; i < m_tabs->count(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page && page->IsInitialized())
            page->OnOK();
    }
    if (m_okHandler && !m_okHandler()) {
        return;
    }
    accept();
}

void CPropertySheet::PressCancel()
{
    reject();
}

void CPropertySheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_running)
        return;
    m_running = true;
    ActivatePage(GetActivePage());
    // Typing starts in the first field of the page the sheet opens on.
    if (m_active)
        FocusPage(m_active);
}

void CPropertySheet::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    m_running = false;
    m_active = nullptr;
}

void CPropertySheet::OnTabChanging(int index)
{
    if (!m_running)
        return;
    CPropertyPage* target = GetPage(index);
    if (target == nullptr || target == m_active)
        return;
    if (m_active) {
        // The page being left stays in view while it checks its fields.
        ShowTab(m_tabs->indexOf(m_active));
        if (!m_active->OnKillActive()) {
            FocusPage(m_active);
            return;
        }
        ShowTab(index);
    }
    ActivatePage(target);
}

void CPropertySheet::ShowTab(int index)
{
    const QSignalBlocker blocker(m_tabs);
    m_tabs->setCurrentIndex(index);
}

void CPropertySheet::ActivatePage(CPropertyPage* page)
{
    m_active = page;
    if (page == nullptr)
        return;
    page->Initialize();
    page->OnSetActive();
}

void CPropertySheet::PlaceButtonsAfter(CPropertyPage* page)
{
    QWidget* last = page;
    for (QWidget* w = page->nextInFocusChain(); w != page && page->isAncestorOf(w); w = w->nextInFocusChain())
        last = w;
    QWidget::setTabOrder(last, m_ok);
    QWidget::setTabOrder(m_ok, m_cancel);
}

void CPropertySheet::FocusPage(CPropertyPage* page)
{
    QWidget* focused = page->window()->focusWidget();
    if (focused && page->isAncestorOf(focused)) {
        focused->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(page)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    page->setFocus(Qt::OtherFocusReason);
}
