#include "views/CHomeMgrView.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "controls/Theme.h"
#include "data/AppPaths.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "records/CHome.h"
#include "records/sheets/HomeProperties.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"
#include "views/ViewContextMenu.h"

#include <QHeaderView>
#include <QPainter>

namespace {
const QColor kListBackground(255, 254, 249);
constexpr int kHintMargin = 8;
} // namespace

CHomeMgrView::CHomeMgrView(QWidget* parent)
    : QWidget(parent), m_title(new CLabel(1000, QString(), this)), m_list(new CAutoListCtrl(this)),
      m_hint(new CLabel(this))
{
    setObjectName(QStringLiteral("homesView"));
    setAutoFillBackground(false);

    m_title->setObjectName(QStringLiteral("homesTitle"));
    m_title->setText(tr("Please select a home..."));
    CLabel::ApplyHeadingStyle(*m_title);
    m_title->move(8, 4);
    m_title->SizeToText();

    m_list->setObjectName(QStringLiteral("homesList"));
    setFocusProxy(m_list);
    m_list->setAccessibleName(tr("My Homes"));
    m_list->InsertColumn(0, tr("My Homes"), LVCFMT_LEFT, 300);
    m_list->SetExtendedStyle(0x20);
    Theme::SetFixedBackground(*m_list, kListBackground);

    // Someone who cancelled the first home learns where homes are added; it lies over the empty list.
    m_hint->setObjectName(QStringLiteral("homesHint"));
    m_hint->setText(tr("No homes yet. Choose File, New, Home (Alt+F, N, H) to add one."));
    m_hint->setWordWrap(true);
    m_hint->SetBkColor(kListBackground);
    m_hint->SetTextColor(Theme::HeadingColor());
    QAbstractItemModel* rows = m_list->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &CHomeMgrView::ShowHintWhenEmpty);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &CHomeMgrView::ShowHintWhenEmpty);
    connect(rows, &QAbstractItemModel::modelReset, this, &CHomeMgrView::ShowHintWhenEmpty);
    ShowHintWhenEmpty();

    connect(m_list, &CAutoListCtrl::itemClicked, this, &CHomeMgrView::OnItemClicked);
    connect(m_list, &CAutoListCtrl::itemActivated, this, &CHomeMgrView::OnItemClicked);
    connect(m_list, &CAutoListCtrl::deleteKeyPressed, this, &CHomeMgrView::OnDelete);
    connect(m_list, &CAutoListCtrl::contextMenuRequested, this, &CHomeMgrView::OnContextMenu);
}

void CHomeMgrView::SetListFont(const QFont& font)
{
    m_list->setFont(font);
}

void CHomeMgrView::FillList(long selectId)
{
    FillListFromTable(*m_list, QStringLiteral("Homes"), QStringLiteral("HomeId"), selectId, QString(),
                      QString());
}

void CHomeMgrView::OnItemClicked()
{
    long id = 0;
    int index = -1;
    if (GetSelectedItemData(*m_list, id, index))
        emit homeChosen(id);
}

void CHomeMgrView::OnNew()
{
    emit newHomeRequested();
}

void CHomeMgrView::OnDelete()
{
    EditOrDelete(Action::Delete);
}

void CHomeMgrView::OnProperties()
{
    EditOrDelete(Action::Properties);
}

void CHomeMgrView::EditOrDelete(Action action)
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index))
        return;
    CHome home;
    home.SetId(id);
    if (action == Action::Delete) {
        if (ShowMessage(this, LoadResString(IDS_DELETE_HOME_QUESTION), AppName(), MessageIcon::Exclamation,
                        MessageButtons::YesNo, IDNO) != IDYES)
            return;
        home.Delete();
        m_list->DeleteItem(index);
        return;
    }
    home.Load();
    if (EditProperties(home, this))
        FillList(0);
    m_list->SetCurSel(index);
}

void CHomeMgrView::OnContextMenu(const QPoint& globalPos)
{
    const bool selected = m_list->GetCurSel() >= 0;
    ShowViewContextMenu(
        globalPos, m_list, selected, [this] { OnNew(); }, [this] { OnDelete(); }, [this] { OnProperties(); });
}

void CHomeMgrView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawLine(0, 23, 2000, 23);
}

void CHomeMgrView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_list->setGeometry(0, 25, width(), height() - 27);
    const int hintWidth = qMax(0, width() - 2 * kHintMargin);
    m_hint->setGeometry(kHintMargin, 25 + m_list->header()->sizeHint().height() + kHintMargin, hintWidth,
                        m_hint->heightForWidth(hintWidth));
}

// The list's own description carries the hint too, for a screen reader on the empty list.
void CHomeMgrView::ShowHintWhenEmpty()
{
    const bool empty = m_list->GetItemCount() == 0;
    m_hint->setVisible(empty);
    m_hint->raise();
    m_list->setAccessibleDescription(empty ? m_hint->text() : QString());
}
