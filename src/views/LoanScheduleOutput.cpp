#include "views/LoanScheduleOutput.h"

#include "data/Formatting.h"
#include "records/CLoanSchedule.h"
#include "views/CLoanChart.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSaveFile>

namespace {
QString Tr(const char* text)
{
    return QCoreApplication::translate("LoanScheduleOutput", text);
}

QStringList HeaderTexts()
{
    return {Tr("No."), Tr("Date"), Tr("Payment"), Tr("Interest"), Tr("Principal"), Tr("Balance")};
}

QStringList RowTexts(const CLoanSchedule::Row& row)
{
    return {QString::number(row.number),       QLocale().toString(row.date, QLocale::ShortFormat),
            FormatMoney(float(row.payment)),   FormatMoney(float(row.interest)),
            FormatMoney(float(row.principal)), FormatMoney(float(row.balance))};
}

// Every field in double quotes; a quote inside a field is doubled so a spreadsheet reads it whole.
QByteArray CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (QString field : fields) {
        quoted.append(QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                      QLatin1Char('"'));
    }
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QString CreatedLine()
{
    return Tr("Created by Hearthstead on %1")
        .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
}
} // namespace

bool WriteScheduleCsv(const QString& path, const QString& loanName, const CLoanSchedule& schedule)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(CsvLine({Tr("Loan Schedule for %1").arg(loanName)}) + "\r\n");
    file.write(CsvLine(HeaderTexts()));
    for (const CLoanSchedule::Row& row : schedule.Rows()) {
        file.write(CsvLine(RowTexts(row)));
    }
    file.write("\r\n" + CsvLine({CreatedLine()}).chopped(2));
    return file.commit();
}

namespace {
// Lays the table out below the chart, one row a line, starting a new page when one is full.
class CSchedulePrinter final
{
public:
    CSchedulePrinter(QPagedPaintDevice& device, QPainter& painter, const QRectF& page)
        : m_device(device), m_painter(painter), m_page(page),
          m_lineHeight(painter.fontMetrics().height() * 1.2)
    {
    }

    void Line(const QStringList& texts, bool bold)
    {
        if (m_y + m_lineHeight > m_page.bottom()) {
            m_device.newPage();
            m_y = m_page.top();
        }
        QFont font = m_painter.font();
        font.setBold(bold);
        m_painter.setFont(font);
        const double width = m_page.width() / texts.size();
        for (int c = 0; c < texts.size(); ++c) {
            const QRectF cell(m_page.left() + c * width, m_y, width - 6, m_lineHeight);
            m_painter.drawText(cell, (c < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                               texts.at(c));
        }
        m_y += m_lineHeight;
    }

    void Skip(double height) { m_y += height; }
    double Top() const { return m_y; }

private:
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    QRectF m_page;
    double m_lineHeight;
    double m_y = m_page.top();
};
} // namespace

bool PrintSchedule(QPagedPaintDevice& device, const CLoanChart& chart, const QString& loanName,
                   const CLoanSchedule& schedule)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Laid out in screen-sized units so the chart's margins and the text keep their proportions.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    const QRectF page(0, 0, device.width() / scale, device.height() / scale);
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    painter.setPen(Qt::black);

    CSchedulePrinter printer(device, painter, page);
    printer.Line({Tr("Loan Schedule for %1").arg(loanName)}, true);
    printer.Skip(6);
    const QRect chartArea(int(page.left()), int(printer.Top()), int(page.width()), int(page.height() * 0.35));
    chart.Draw(painter, chartArea, paper);
    printer.Skip(chartArea.height() + 12);
    printer.Line(HeaderTexts(), true);
    for (const CLoanSchedule::Row& row : schedule.Rows()) {
        printer.Line(RowTexts(row), row.number == schedule.PaymentsMade() + 1);
    }
    return painter.end();
}
