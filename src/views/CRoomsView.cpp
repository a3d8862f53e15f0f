#include "views/CRoomsView.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "records/CArea.h"
#include "records/CHome.h"
#include "records/sheets/AreaProperties.h"
#include "records/sheets/ColorWord.h"
#include "res/AppInfo.h"
#include "views/CColorChipDelegate.h"
#include "views/ViewContextMenu.h"

#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>

namespace {
// The views' list face, a warm white.
const QColor kListBackground(255, 254, 249);
constexpr int kTop = 25;
constexpr int kDetailsHeight = 110;
constexpr int kGap = 4;
} // namespace

CRoomsView::CRoomsView(const CHome& currentHome, QWidget* parent)
    : QWidget(parent), m_home(currentHome), m_title(new CLabel(1000, QString(), this)),
      m_list(new CAutoListCtrl(this)), m_details(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("roomsView"));
    m_title->setObjectName(QStringLiteral("roomsTitle"));
    m_title->setText(tr("Rooms & Locations"));
    CLabel::ApplyHeadingStyle(*m_title);
    m_title->move(8, 4);
    m_title->SizeToText();

    m_list->setObjectName(QStringLiteral("roomsList"));
    setFocusProxy(m_list);
    m_list->setAccessibleName(tr("Rooms and Areas"));
    m_list->InsertColumn(0, tr("Rooms and Areas"), LVCFMT_LEFT, 300);
    m_list->SetExtendedStyle(0x20);
    m_list->setItemDelegateForColumn(
        0, new CColorChipDelegate([this](int row) { return GetRowColor(row); }, m_list));
    m_details->setObjectName(QStringLiteral("roomDetails"));
    m_details->setAccessibleName(tr("Location details"));
    m_details->setReadOnly(true);
    m_details->setTabChangesFocus(true);
    for (QWidget* widget : {static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_details)}) {
        QPalette pal = widget->palette();
        pal.setColor(QPalette::Base, kListBackground);
        pal.setColor(QPalette::AlternateBase, kListBackground);
        pal.setColor(QPalette::Text, Qt::black);
        widget->setPalette(pal);
    }

    connect(m_list, &CAutoListCtrl::selectedRowsChanged, this, &CRoomsView::ShowDetails);
    connect(m_list, &CAutoListCtrl::itemDoubleClicked, this, &CRoomsView::OnProperties);
    connect(m_list, &CAutoListCtrl::deleteKeyPressed, this, &CRoomsView::OnDelete);
    connect(m_list, &CAutoListCtrl::itemActivated, this, &CRoomsView::OnProperties);
    connect(m_list, &CAutoListCtrl::contextMenuRequested, this, &CRoomsView::OnContextMenu);
}

void CRoomsView::SetListFont(const QFont& font)
{
    m_list->setFont(font);
    m_details->setFont(font);
}

void CRoomsView::Refresh(long selectId)
{
    FillListFromTable(*m_list, QStringLiteral("Areas"), QStringLiteral("AreaId"), selectId,
                      QStringLiteral("WHERE HomeId=%1").arg(m_home.GetId()));
    ReadRowColors();
    ShowDetails();
}

void CRoomsView::ReadRowColors()
{
    m_rowColors.clear();
    CADORecordset rows(AppDatabase());
    if (!rows.Open(QStringLiteral("SELECT AreaId, Color1 FROM Areas WHERE HomeId=%1;").arg(m_home.GetId()))) {
        return;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        long id = 0;
        long color = CArea::kWhite;
        rows.GetFieldValue(QStringLiteral("AreaId"), id);
        rows.GetFieldValue(QStringLiteral("Color1"), color);
        m_rowColors.insert(id, color);
    }
    m_list->viewport()->update();
}

QColor CRoomsView::GetRowColor(int row) const
{
    if (row < 0 || row >= m_list->GetItemCount()) {
        return QColor();
    }
    const auto found = m_rowColors.constFind(m_list->GetItemData(row));
    return found == m_rowColors.constEnd() ? QColor() : ColorFromWord(*found);
}

bool CRoomsView::NewLocation()
{
    if (m_home.GetId() < 1) {
        return false;
    }
    CArea area;
    area.SetHomeId(m_home.GetId());
    if (!EditProperties(area, this)) {
        return false;
    }
    Refresh(area.GetId());
    return true;
}

void CRoomsView::OnDelete()
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        return;
    }
    const QString question = tr("This location will be deleted. Its assets stay in the inventory, with no "
                                "location. Continue?");
    if (ShowMessage(this, question, AppName(), MessageIcon::Exclamation, MessageButtons::YesNo, IDNO) !=
        IDYES) {
        return;
    }
    CArea area;
    area.SetId(id);
    if (!area.Delete()) {
        ShowMessage(this, tr("The location could not be deleted."), AppName(), MessageIcon::Exclamation);
        return;
    }
    m_list->DeleteItem(index);
    ShowDetails();
}

void CRoomsView::OnProperties()
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        return;
    }
    CArea area;
    area.SetId(id);
    area.Load();
    if (EditProperties(area, this)) {
        Refresh(id);
    }
}

void CRoomsView::ShowDetails()
{
    long id = 0;
    int index = -1;
    CArea area;
    if (GetSelectedItemData(*m_list, id, index)) {
        area.SetId(id);
    }
    // Nothing selected, or a row gone from the table meanwhile: nothing to describe.
    if (!area.Load()) {
        m_details->clear();
        return;
    }
    QString text = area.GetSummaryText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) {
        text += QLatin1Char('\n');
    }
    if (!text.isEmpty()) {
        text += QLatin1Char('\n');
    }
    m_details->setPlainText(text + AssetsLine(id));
}

QString CRoomsView::AssetsLine(long areaId)
{
    CADORecordset rows(AppDatabase());
    long count = 0;
    double worth = 0.0;
    const QString query =
        QStringLiteral("SELECT COUNT(*) AS AssetCount, SUM(CurrentValue) AS Worth FROM Assets "
                       "WHERE AreaId=%1;")
            .arg(areaId);
    if (rows.Open(query) && !rows.IsEof()) {
        rows.GetFieldValue(QStringLiteral("AssetCount"), count);
        rows.GetFieldValue(QStringLiteral("Worth"), worth);
    }
    if (count == 0) {
        return tr("No assets are kept here.");
    }
    if (count == 1) {
        return tr("1 asset is kept here, worth %1.").arg(FormatMoney(float(worth)));
    }
    return tr("%1 assets are kept here, worth %2.")
        .arg(QLocale().toString(qlonglong(count)), FormatMoney(float(worth)));
}

void CRoomsView::OnContextMenu(const QPoint& globalPos)
{
    const bool selected = m_list->GetCurSel() >= 0;
    ShowViewContextMenu(
        globalPos, m_list, selected, [this] { NewLocation(); }, [this] { OnDelete(); },
        [this] { OnProperties(); });
}

void CRoomsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawLine(0, 23, width(), 23);
}

void CRoomsView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int listHeight = qMax(0, height() - kTop - kDetailsHeight - kGap - 2);
    m_list->setGeometry(0, kTop, width(), listHeight);
    m_details->setGeometry(0, kTop + listHeight + kGap, width(), kDetailsHeight);
}
