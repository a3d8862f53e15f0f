#pragma once

#include "records/EquitySeries.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QPainter;

// A line chart of a home's equity month by month beside one loan's balance, on one money axis,
// with a marker at today. It draws the same way on the screen and on a printed page.
class CLoanChart final : public QWidget
{
    Q_OBJECT
public:
    explicit CLoanChart(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CLoanChart)

    void SetSeries(const QList<EquityPoint>& points, const QDate& today);
    const QList<EquityPoint>& Points() const { return m_points; }

    // Draws the chart into the rectangle with the palette's text and base colours.
    void Draw(QPainter& painter, const QRect& area, const QPalette& colours) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Frame;
    void DrawAxes(QPainter& painter, const Frame& frame, const QPalette& colours) const;
    void DrawLine(QPainter& painter, const Frame& frame, bool equity) const;
    void DrawLegend(QPainter& painter, const QRect& area, const QPalette& colours) const;
    void DrawToday(QPainter& painter, const Frame& frame, const QPalette& colours) const;

    QList<EquityPoint> m_points;
    QDate m_today;
};
