#include "views/CLoanChart.h"

#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
constexpr int kLeftMargin = 80;
constexpr int kBottomMargin = 28;
constexpr int kTopMargin = 26;
constexpr int kRightMargin = 12;
constexpr int kValueTicks = 4;

// Mid-tone colours that read on a light and on a dark base alike.
QColor EquityColour()
{
    return QColor(46, 160, 67);
}

QColor BalanceColour()
{
    return QColor(66, 133, 244);
}
} // namespace

// Where the plot sits and the value and date ranges it maps.
struct CLoanChart::Frame
{
    QRect plot;
    double low = 0.0;
    double high = 1.0;
    QDate first;
    qint64 days = 1;

    QPointF At(const QDate& date, double value) const
    {
        const double x = plot.left() + plot.width() * double(first.daysTo(date)) / days;
        const double y = plot.bottom() - plot.height() * (value - low) / (high - low);
        return {x, y};
    }
};

CLoanChart::CLoanChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("loanChart"));
    setAccessibleName(tr("Home equity and loan balance over time"));
    setMinimumSize(360, 200);
}

void CLoanChart::SetSeries(const QList<EquityPoint>& points, const QDate& today)
{
    m_points = points;
    m_today = today;
    update();
}

void CLoanChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter, rect(), palette());
}

void CLoanChart::Draw(QPainter& painter, const QRect& area, const QPalette& colours) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colours.color(QPalette::Base));
    DrawLegend(painter, area, colours);
    if (m_points.size() < 2) {
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(area, Qt::AlignCenter, tr("No loan payments to chart"));
        painter.restore();
        return;
    }
    Frame frame;
    frame.plot = area.adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
    frame.first = m_points.constFirst().date;
    frame.days = std::max<qint64>(1, frame.first.daysTo(m_points.constLast().date));
    for (const EquityPoint& point : m_points) {
        frame.low = std::min({frame.low, point.equity, point.loanBalance});
        frame.high = std::max({frame.high, point.equity, point.loanBalance});
    }
    DrawAxes(painter, frame, colours);
    DrawLine(painter, frame, true);
    DrawLine(painter, frame, false);
    DrawToday(painter, frame, colours);
    painter.restore();
}

void CLoanChart::DrawAxes(QPainter& painter, const Frame& frame, const QPalette& colours) const
{
    const QLocale locale;
    painter.setPen(colours.color(QPalette::Text));
    painter.drawLine(frame.plot.bottomLeft(), frame.plot.bottomRight());
    painter.drawLine(frame.plot.bottomLeft(), frame.plot.topLeft());
    for (int i = 0; i <= kValueTicks; ++i) {
        const double value = frame.low + (frame.high - frame.low) * i / kValueTicks;
        const QPointF at = frame.At(frame.first, value);
        painter.drawLine(at, at - QPointF(4, 0));
        painter.drawText(QRectF(frame.plot.left() - kLeftMargin, at.y() - 10, kLeftMargin - 8, 20),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toCurrencyString(qRound64(value)));
    }
    const int firstYear = frame.first.year();
    const int lastYear = m_points.constLast().date.year();
    const int step = std::max(1, (lastYear - firstYear) / 8 + 1);
    for (int year = firstYear + 1; year <= lastYear; year += step) {
        const QPointF at = frame.At(QDate(year, 1, 1), frame.low);
        painter.drawLine(at, at + QPointF(0, 4));
        painter.drawText(QRectF(at.x() - 30, at.y() + 4, 60, kBottomMargin - 6), Qt::AlignCenter,
                         QString::number(year));
    }
}

void CLoanChart::DrawLine(QPainter& painter, const Frame& frame, bool equity) const
{
    QPainterPath path;
    for (const EquityPoint& point : m_points) {
        const QPointF at = frame.At(point.date, equity ? point.equity : point.loanBalance);
        if (path.elementCount() == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    painter.setPen(QPen(equity ? EquityColour() : BalanceColour(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void CLoanChart::DrawLegend(QPainter& painter, const QRect& area, const QPalette& colours) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    int x = area.left() + kLeftMargin;
    const int y = area.top() + 4;
    const QList<std::pair<QColor, QString>> entries{{EquityColour(), tr("Home equity")},
                                                    {BalanceColour(), tr("Loan balance")}};
    for (const auto& [colour, text] : entries) {
        painter.fillRect(QRect(x, y + 4, 18, 4), colour);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QPoint(x + 24, y + metrics.ascent()), text);
        x += 24 + metrics.horizontalAdvance(text) + 20;
    }
}

void CLoanChart::DrawToday(QPainter& painter, const Frame& frame, const QPalette& colours) const
{
    if (!m_today.isValid() || m_today < frame.first || m_today > m_points.constLast().date) {
        return;
    }
    const QPointF bottom = frame.At(m_today, frame.low);
    painter.setPen(QPen(colours.color(QPalette::Text), 1, Qt::DashLine));
    painter.drawLine(bottom, QPointF(bottom.x(), frame.plot.top()));
    painter.drawText(QPointF(bottom.x() + 4, frame.plot.top() + painter.fontMetrics().ascent()), tr("Today"));
}
