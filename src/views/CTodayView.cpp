#include "views/CTodayView.h"

#include "controls/CLabel.h"
#include "controls/Theme.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "records/CHome.h"
#include "records/WarrantyReminder.h"
#include "records/sheets/HomeProperties.h"

#include <QPainter>

namespace {
constexpr int kLineWidth = 500;
constexpr int kLineHeight = 15;
} // namespace

CTodayView::CTodayView(CHome& currentHome, QWidget* parent)
    : QWidget(parent), m_home(currentHome), m_description(MakeLine(DescriptionLine)),
      m_tasks(MakeLine(TasksLine)), m_inventory(MakeLine(InventoryLine)), m_equityLine(MakeLine(EquityLine)),
      m_warrantyLine(MakeLine(WarrantyLine))
{
    setObjectName(QStringLiteral("todayView"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_description->SetTextColor(Theme::HeadingColor());
    m_description->SetFontBold(true);
    m_warrantyLine->hide();
    setFocusProxy(m_description);
}

CLabel* CTodayView::MakeLine(LineId id)
{
    auto* line = new CLabel(id, QString(), this);
    line->setObjectName(QStringLiteral("todayLine%1").arg(int(id)));
    line->SetTextColor(Qt::black);
    line->SetFontBold(false);
    line->SetBkColor(Qt::white);
    line->SetLink(true);
    line->setCursor(Qt::PointingHandCursor);
    connect(line, &CLabel::clicked, this, &CTodayView::OnLineClicked);
    return line;
}

CLabel* CTodayView::GetLine(LineId id) const
{
    switch (id) {
    case DescriptionLine:
        return m_description;
    case TasksLine:
        return m_tasks;
    case InventoryLine:
        return m_inventory;
    case EquityLine:
        return m_equityLine;
    case WarrantyLine:
        return m_warrantyLine;
    }
    return nullptr;
}

void CTodayView::RefreshText()
{
    // A long name gives way to the figures below it; the full name stays in the tool tip.
    const QString name = m_home.GetDescription();
    m_description->setText(QFontMetrics(m_description->font()).elidedText(name, Qt::ElideRight, kLineWidth));
    m_description->setToolTip(name);
    m_description->setAccessibleName(name);

    m_tasks->SetFontBold(m_activeTasks > 0);
    if (m_activeTasks == 1)
        m_tasks->setText(tr("1 Active task"));
    else if (m_activeTasks > 1)
        m_tasks->setText(tr("%1 Active tasks").arg(m_activeTasks));
    else
        m_tasks->setText(tr("Pick tasks and shopping items"));

    if (m_inventoryTotal == 0.0f)
        m_inventory->setText(tr("Add an asset to the Home Inventory"));
    else
        m_inventory->setText(tr("Home Inventory is worth %1").arg(FormatMoney(m_inventoryTotal)));

    if (m_equity == 0.0f)
        m_equityLine->setText(tr("Manage Mortgages and Home Equity"));
    else
        m_equityLine->setText(tr("Home Equity is %1").arg(FormatMoney(m_equity)));

    RefreshWarrantyLine();

    // The lines keep their layout size, so the whole line is clickable, not just its text.
    for (CLabel* line : {m_description, m_tasks, m_inventory, m_equityLine})
        line->update();
}

void CTodayView::RefreshWarrantyLine()
{
    const long count = CountWarrantiesEndingSoon(m_home.GetId(), QDate::currentDate());
    if (count == 1) {
        m_warrantyLine->setText(tr("1 warranty ends soon"));
    } else {
        m_warrantyLine->setText(tr("%1 warranties end soon").arg(count));
    }
    m_warrantyLine->setVisible(count > 0);
    m_warrantyLine->update();
}

void CTodayView::ComputeEquity()
{
    float owed = 0.0f;
    CADORecordset rs(AppDatabase());
    if (rs.Open(QString::asprintf("SELECT Principal FROM Loans WHERE AssetId=%ld AND AssetType=1;",
                                  m_home.GetId()))) {
        for (; !rs.IsEof(); rs.MoveNext()) {
            float principal = 0.0f;
            rs.GetFieldValue(QStringLiteral("Principal"), principal);
            owed += principal;
        }
    }
    m_equity = m_home.GetCurrentValue() - owed;
}

bool CTodayView::LoadPicture()
{
    if (!m_home.GetPicture().isEmpty() && m_picture.Load(m_home.GetPicture()))
        return true;
    return m_picture.Load(GetDeliveredPath() + QStringLiteral("default.jpg"));
}

void CTodayView::RefreshPicture()
{
    if (!LoadPicture())
        return;
    const QSize size = m_picture.GetSizeInPixels();
    const int w = size.width();
    const int h = size.height();
    if (w == 0)
        return;
    const int W = width();
    const int H = height();
    int left = (W - w) / 2;
    int right = left + w;
    if (w > W) {
        left = 5;
        right = W - 5;
    }
    const int top = 5;
    const int bottom = h > H - 115 ? H - 110 : h + 5;
    m_pictureRect = QRect(left, top, right - left, bottom - top);
    update();
}

void CTodayView::paintEvent(QPaintEvent*)
{
    if (m_pictureRect.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_picture.Draw(painter, m_pictureRect.left(), m_pictureRect.top(),
                   m_pictureRect.left() + m_pictureRect.width(),
                   m_pictureRect.top() + m_pictureRect.height());
}

void CTodayView::LayoutLines()
{
    const int H = height();
    const int offsets[] = {100, 75, 50, 25};
    CLabel* lines[] = {m_description, m_tasks, m_inventory, m_equityLine};
    for (int i = 0; i < 4; ++i)
        lines[i]->setGeometry(8, H - offsets[i], kLineWidth, kLineHeight);
    m_warrantyLine->setGeometry(8, H - 125, kLineWidth, kLineHeight);
}

void CTodayView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutLines();
    RefreshPicture();
}

void CTodayView::OnLineClicked(int id)
{
    switch (id) {
    case DescriptionLine:
        OpenProfile(0);
        break;
    case EquityLine:
        OpenProfile(1);
        break;
    case InventoryLine:
        if (m_inventoryTotal == 0.0f)
            emit newAssetRequested();
        else
            emit inventoryRequested();
        break;
    case WarrantyLine:
        emit warrantiesRequested();
        break;
    case TasksLine:
        if (m_activeTasks < 1)
            emit newTasksRequested();
        else
            emit tasksRequested();
        break;
    default:
        break;
    }
}

void CTodayView::OpenProfile(int startPage)
{
    if (!EditProperties(m_home, this, startPage == 1))
        return;
    ComputeEquity();
    RefreshText();
    RefreshPicture();
    emit profileSaved();
}
