#include "views/CInventoryView.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "controls/CLabel.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/DataHelpers.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "platform/Settings.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "records/WarrantyReminder.h"
#include "records/sheets/AssetProperties.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"
#include "views/CDlgCategories.h"
#include "views/ViewContextMenu.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <algorithm>
#include <utility>

namespace {
const QColor kListBackground(255, 254, 249);
constexpr int kAssetCategories = 1;
constexpr int kTitleHeight = 24;
constexpr int kNotesHeight = 65;
} // namespace

CInventoryView::CInventoryView(const CHome& currentHome, QWidget* parent)
    : QWidget(parent), m_home(currentHome), m_title(new CLabel(1000, tr("Home Inventory (All)"), this)),
      m_icon(new CLabel(1012, QString(), this)), m_list(new CAutoListCtrl(this)),
      m_notes(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("inventoryView"));
    m_title->setObjectName(QStringLiteral("inventoryTitle"));
    CLabel::ApplyHeadingStyle(*m_title);
    m_title->SetLink(true);
    m_title->setToolTip(tr("Choose the category to show"));
    // Clear of the icon corner at the top left.
    m_title->move(18, 4);
    m_title->SizeToText();

    m_list->setObjectName(QStringLiteral("inventoryList"));
    setFocusProxy(m_list);
    m_list->setAccessibleName(tr("Home Inventory"));
    m_list->SetExtendedStyle(0x20);
    m_list->InsertColumn(0, tr("Items"), LVCFMT_LEFT, 170);
    QPalette pal = m_list->palette();
    pal.setColor(QPalette::Base, kListBackground);
    pal.setColor(QPalette::AlternateBase, kListBackground);
    pal.setColor(QPalette::Text, Qt::black);
    m_list->setPalette(pal);
    CImageList images(QSize(16, 16));
    for (int bitmap : {IDB_ASSET, IDB_ASSET_PICTURE, IDB_VIDEO_TITLE}) {
        AddBitmapToImageList(images, bitmap);
    }
    m_list->SetImageList(images);

    m_notes->setObjectName(QStringLiteral("inventoryNotes"));
    m_notes->setAccessibleName(tr("Asset summary and notes"));
    m_notes->setReadOnly(true);

    m_categoryFilter = long(Settings::InventoryCategory.Get());

    // Only the icon's lower right corner shows, beside the title.
    m_icon->setGeometry(-18, -18, 32, 32);
    m_icon->setPixmap(images.GetImage(0).scaled(32, 32));

    connect(m_title, &CLabel::clicked, this, &CInventoryView::ShowCategoryMenu);
    connect(m_icon, &CLabel::clicked, this, &CInventoryView::ShowCategoryMenu);
    connect(m_list, &CAutoListCtrl::selectedRowsChanged, this, [this] { DoItemAction(Action::View); });
    connect(m_list, &CAutoListCtrl::deleteKeyPressed, this, [this] { DoItemAction(Action::Delete); });
    connect(m_list, &CAutoListCtrl::itemActivated, this, [this] { DoItemAction(Action::Properties); });
    connect(m_list, &CAutoListCtrl::itemDoubleClicked, this, [this] { DoItemAction(Action::Properties); });
    connect(m_list, &CAutoListCtrl::contextMenuRequested, this, &CInventoryView::OnContextMenu);
}

void CInventoryView::SetListFont(const QFont& font)
{
    m_list->setFont(font);
    m_notes->setFont(font);
}

QString CInventoryView::GetTitle() const
{
    return m_title->text();
}

void CInventoryView::FillItems(long idToSelect)
{
    ShowSummary(QString());
    QString condition = QStringLiteral("WHERE HomeId=%1 ").arg(m_home.GetId());
    if (m_warrantyFilter) {
        m_title->setText(tr("Home Inventory (Warranties Ending Soon)"));
        m_title->SizeToText();
        condition += WarrantyWindowCondition(QDate::currentDate());
    } else if (m_categoryFilter != 0) {
        const QString name = LookupField(m_categoryFilter, QStringLiteral("Categories"),
                                         QStringLiteral("CategoryId"), QStringLiteral("Description"));
        m_title->setText(tr("Home Inventory (") + name + QLatin1Char(')'));
        m_title->SizeToText();
        condition += QStringLiteral("AND CategoryId=") + QString::number(m_categoryFilter);
    }
    m_total = FillListFromTable(*m_list, QStringLiteral("Assets"), QStringLiteral("AssetId"), idToSelect,
                                condition, QStringLiteral("CurrentValue, Picture2, CategoryId"));
    emit totalChanged(m_total);
}

void CInventoryView::SetCategoryFilter(int commandId)
{
    if (commandId == kWarrantiesEndingSoonCommand) {
        ShowWarrantiesEndingSoon();
        return;
    }
    const bool wasWarranties = std::exchange(m_warrantyFilter, false);
    long filter = 0;
    if (commandId == 0) {
        m_title->setText(tr("Home Inventory (All)"));
        m_title->SizeToText();
    } else {
        filter = commandId - kFirstCategoryCommand;
    }
    if (filter == m_categoryFilter && !wasWarranties) {
        return;
    }
    m_categoryFilter = filter;
    Settings::InventoryCategory.Set(quint32(filter));
    FillItems(0);
}

void CInventoryView::ShowWarrantiesEndingSoon()
{
    m_warrantyFilter = true;
    FillItems(0);
}

void CInventoryView::CountCategories()
{
    m_categoryCounts.clear();
    CADORecordset rows(AppDatabase());
    if (!rows.Open(QStringLiteral("SELECT CategoryId FROM Assets WHERE HomeId=%1;").arg(m_home.GetId()))) {
        return;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        long id = 0;
        if (!rows.GetFieldValue(0, id) || id <= 0) {
            continue;
        }
        auto found = std::find_if(m_categoryCounts.begin(), m_categoryCounts.end(),
                                  [id](const QPair<long, long>& pair) { return pair.first == id; });
        if (found == m_categoryCounts.end()) {
            m_categoryCounts.append({id, 1});
        } else {
            ++found->second;
        }
    }
}

QMenu* CInventoryView::CreateCategoryMenu()
{
    CountCategories();
    auto* menu = new QMenu(tr("Categories"), this);
    menu->setObjectName(QStringLiteral("categoryMenu"));
    auto* group = new QActionGroup(menu);
    auto addChoice = [this, menu, group](const QString& text, int command) {
        QAction* action = menu->addAction(text);
        action->setData(command);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, command] { SetCategoryFilter(command == kAllCategoriesCommand ? 0 : command); });
        return action;
    };
    addChoice(tr("All Categories"), kAllCategoriesCommand)
        ->setChecked(m_categoryFilter == 0 && !m_warrantyFilter);
    // Offered, like the categories, only while it has assets to show.
    if (m_warrantyFilter || CountWarrantiesEndingSoon(m_home.GetId(), QDate::currentDate()) > 0) {
        addChoice(tr("Warranties Ending Soon"), kWarrantiesEndingSoonCommand)->setChecked(m_warrantyFilter);
    }
    if (!m_categoryCounts.isEmpty() || m_categoryFilter != 0) {
        menu->addSeparator();
    }
    CADORecordset rows(AppDatabase());
    const QString sql =
        QStringLiteral(
            "SELECT CategoryId, Description FROM Categories WHERE CategoryType=%1 ORDER BY Description;")
            .arg(kAssetCategories);
    if (!rows.Open(sql)) {
        return menu;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        long id = 0;
        QString name;
        rows.GetFieldValue(0, id);
        rows.GetFieldValue(1, name);
        auto found = std::find_if(m_categoryCounts.cbegin(), m_categoryCounts.cend(),
                                  [id](const QPair<long, long>& pair) { return pair.first == id; });
        const long count = found == m_categoryCounts.cend() ? 0 : found->second;
        // Only commands up to the last one reach the filter, so larger ids are left out.
        const int command = kFirstCategoryCommand + int(id);
        if ((count == 0 && id != m_categoryFilter) || command > kLastCategoryCommand) {
            continue;
        }
        addChoice(QStringLiteral("%1 (%2)").arg(name).arg(count), command)
            ->setChecked(id == m_categoryFilter && !m_warrantyFilter);
    }
    return menu;
}

void CInventoryView::ShowCategoryMenu()
{
    QMenu* menu = CreateCategoryMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(mapToGlobal(QPoint(m_title->x() - 20, m_title->geometry().bottom() + 1)));
}

void CInventoryView::DoItemAction(Action action)
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        ShowSummary(QString());
        m_shownAssetId = 0;
        return;
    }
    CAsset asset;
    asset.SetId(id);
    asset.Load();
    switch (action) {
    case Action::Delete:
        if (ShowMessage(this, LoadResString(IDS_DELETE_ASSET_QUESTION), AppName(), MessageIcon::Exclamation,
                        MessageButtons::YesNo, IDNO) != IDYES) {
            return;
        }
        if (!asset.Delete()) {
            return;
        }
        m_list->DeleteItem(index);
        m_total -= asset.GetCurrentValue();
        emit totalChanged(m_total);
        break;
    case Action::Properties:
        if (EditProperties(asset, this, &SelectCategoryDialog)) {
            FillItems(id);
            ShowSummary(asset.GetSummaryText());
            m_shownAssetId = id;
        }
        break;
    case Action::View:
        if (id != m_shownAssetId) {
            ShowSummary(asset.GetSummaryText());
            m_shownAssetId = id;
        }
        break;
    }
}

void CInventoryView::ShowSummary(const QString& text)
{
    // The pane breaks lines on its own; the summary's "\r\n" pairs are one break each.
    m_notes->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void CInventoryView::OnContextMenu(const QPoint& globalPos)
{
    const bool selected = m_list->GetCurSel() >= 0;
    ShowViewContextMenu(
        globalPos, m_list, selected, [this] { emit newAssetRequested(); },
        [this] { DoItemAction(Action::Delete); }, [this] { DoItemAction(Action::Properties); });
}

void CInventoryView::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint pos = event->reason() == QContextMenuEvent::Keyboard ? QPoint(-1, -1) : event->globalPos();
    ShowViewContextMenu(
        pos, this, m_list->GetCurSel() >= 0, [this] { emit newAssetRequested(); },
        [this] { DoItemAction(Action::Delete); }, [this] { DoItemAction(Action::Properties); });
}

void CInventoryView::LayoutControls()
{
    m_list->setGeometry(0, kTitleHeight, width(), height() - 92);
    m_notes->setGeometry(2, height() - kNotesHeight, width() - 2, kNotesHeight);
}

void CInventoryView::paintEvent(QPaintEvent*)
{
    // Two lines part the list from the notes pane.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 67, 2000, height() - 67);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, height() - 66, 2000, height() - 66);
}

void CInventoryView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutControls();
}
