#include "views/CInventoryReport.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "data/ui/CWaitCursor.h"
#include "platform/CPrompt.h"
#include "records/CAsset.h"
#include "res/AppInfo.h"
#include "views/PagedDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QImageReader>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace {

constexpr int kResolution = 300;
// Pictures are kept small: a thousand thumbnails still make a file of a few megabytes.
constexpr int kThumbnailPixels = 160;
constexpr int kCoverPixels = 900;

QString Tr(const char* text)
{
    return QCoreApplication::translate("CInventoryReport", text);
}

QString Html(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString Cell(const QString& html, bool right = false)
{
    return (right ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + html +
           QStringLiteral("</td>");
}

QImage ScaledPicture(const QString& path, int longestSide)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > longestSide || size.height() > longestSide)) {
        reader.setScaledSize(size.scaled(longestSide, longestSide, Qt::KeepAspectRatio));
    }
    return reader.read();
}

QString Text(CADORecordset& row, const char* name)
{
    QString value;
    row.GetFieldValue(QString::fromLatin1(name), value);
    return value;
}

float Money(CADORecordset& row, const char* name)
{
    float value = 0.0f;
    row.GetFieldValue(QString::fromLatin1(name), value);
    return value;
}

DateTimeValue Date(CADORecordset& row, const char* name)
{
    DateTimeValue value(0.0, DateTimeValue::null);
    row.GetFieldValue(QString::fromLatin1(name), value);
    return value;
}

CInventoryReport::Item ReadItem(CADORecordset& row)
{
    CInventoryReport::Item item;
    long categoryId = 0;
    row.GetFieldValue(QStringLiteral("CategoryId"), categoryId);
    row.GetFieldValue(QStringLiteral("LocationId"), item.areaId);
    item.video = categoryId == CAsset::kVideoCategory;
    item.location = Text(row, "Location");
    item.description = Text(row, "Description");
    item.category = Text(row, "Category");
    item.makeModel = Text(row, "MakeModel");
    item.serialNumber = Text(row, "SerialNumber");
    item.picture = Text(row, "Picture2");
    item.purchased = Date(row, "PurchaseDate");
    item.warranty = Date(row, "WarrantyExpiration");
    item.price = Money(row, "PurchasePrice");
    item.current = Money(row, "CurrentValue");
    item.replacement = Money(row, "ReplacementValue");
    return item;
}

QString AssetRow(const CInventoryReport::Item& item, const QString& thumbnail)
{
    QString details = QStringLiteral("<b>") + Html(item.description) + QStringLiteral("</b>");
    for (const QString& line :
         {item.category, item.makeModel,
          item.serialNumber.isEmpty() ? QString() : Tr("Serial # ") + item.serialNumber}) {
        if (!line.isEmpty()) {
            details += QStringLiteral("<br>") + Html(line);
        }
    }
    const bool warranty = item.warranty.ToDate().year() != CAsset::kNoWarrantyYear;
    return QStringLiteral("<tr>") + Cell(thumbnail) + Cell(details) +
           Cell(FormatDate(item.purchased, false) + QStringLiteral("<br>") + FormatMoney(item.price), true) +
           Cell(FormatMoney(item.current), true) + Cell(FormatMoney(item.replacement), true) +
           Cell(warranty ? FormatDate(item.warranty, false) : QString(), true) + QStringLiteral("</tr>");
}

QString TotalRow(const QString& label, float current, float replacement)
{
    return QStringLiteral("<tr><td></td>") +
           Cell(QStringLiteral("<b>") + Html(label) + QStringLiteral("</b>")) + Cell(QString()) +
           Cell(QStringLiteral("<b>") + FormatMoney(current) + QStringLiteral("</b>"), true) +
           Cell(QStringLiteral("<b>") + FormatMoney(replacement) + QStringLiteral("</b>"), true) +
           Cell(QString()) + QStringLiteral("</tr>");
}

// The first heading after the cover starts a new page.
QString Heading(const QString& text, bool newPage)
{
    return (newPage ? QStringLiteral("<h2 style=\"page-break-before: always\">") : QStringLiteral("<h2>")) +
           Html(text) + QStringLiteral("</h2>");
}

QString TableStart()
{
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
                          "style=\"border-collapse: collapse\"><thead><tr><th></th><th align=\"left\">") +
           Tr("Asset") + QStringLiteral("</th><th align=\"right\">") + Tr("Purchased") +
           QStringLiteral("</th><th align=\"right\">") + Tr("Current Value") +
           QStringLiteral("</th><th align=\"right\">") + Tr("Replacement Value") +
           QStringLiteral("</th><th align=\"right\">") + Tr("Warranty Expires") +
           QStringLiteral("</th></tr></thead>");
}

} // namespace

CInventoryReport::CInventoryReport(const CHome& home) : m_home(home) {}

bool CInventoryReport::Load()
{
    m_items.clear();
    CADORecordset rows(AppDatabase());
    // Rooms by name, the assets of no (or a vanished) room last, each room's assets by name.
    const QString sql = QStringLiteral(
        "SELECT a.*, c.Description AS Category, l.Description AS Location, l.AreaId AS LocationId "
        "FROM (Assets AS a LEFT JOIN Categories AS c ON a.CategoryId = c.CategoryId) "
        "LEFT JOIN Areas AS l ON a.AreaId = l.AreaId WHERE a.HomeId=%1 "
        "ORDER BY l.AreaId IS NULL, l.Description, l.AreaId, a.Description;");
    if (!rows.Open(sql.arg(m_home.GetId()))) {
        return false;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        m_items.append(ReadItem(rows));
    }
    return true;
}

void CInventoryReport::Build(QTextDocument& document) const
{
    document.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 9));
    const QImage cover =
        m_home.GetPicture().isEmpty() ? QImage() : ScaledPicture(m_home.GetPicture(), kCoverPixels);
    if (!cover.isNull()) {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("cover:picture")), cover);
    }
    document.setHtml(CoverHtml(!cover.isNull()) + LocationsHtml(document) + VideosHtml());
}

QString CInventoryReport::CoverHtml(bool withPicture) const
{
    QString html = QStringLiteral("<h1>") + Tr("Home Inventory") + QStringLiteral("</h1><h2>") +
                   Html(m_home.GetDescription()) + QStringLiteral("</h2><p>") + Html(m_home.GetAddress()) +
                   QStringLiteral("</p>");
    if (withPicture) {
        html += QStringLiteral("<p><img src=\"cover:picture\" width=\"400\"></p>");
    }
    return html + QStringLiteral("<p>") + Tr("Prepared on ") +
           Html(FormatDate(DateTimeValue::FromDate(QDate::currentDate()), true)) +
           QStringLiteral("</p></div>");
}

QString CInventoryReport::Thumbnail(QTextDocument& document, const Item& item, int index) const
{
    if (item.picture.isEmpty()) {
        return QString();
    }
    const QImage image = ScaledPicture(item.picture, kThumbnailPixels);
    if (image.isNull()) {
        return QString();
    }
    const QUrl name(QStringLiteral("asset:%1").arg(index));
    document.addResource(QTextDocument::ImageResource, name, image);
    const QSize shown = image.size().scaled(64, 64, Qt::KeepAspectRatio);
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
        .arg(name.toString())
        .arg(shown.width())
        .arg(shown.height());
}

QString CInventoryReport::LocationsHtml(QTextDocument& document) const
{
    QString html;
    float current = 0.0f;
    float replacement = 0.0f;
    float sectionCurrent = 0.0f;
    float sectionReplacement = 0.0f;
    long section = -1;
    for (int index = 0; index < m_items.size(); ++index) {
        const Item& item = m_items.at(index);
        if (item.video) {
            continue;
        }
        if (item.areaId != section) {
            if (section >= 0) {
                html +=
                    TotalRow(Tr("Subtotal"), sectionCurrent, sectionReplacement) + QStringLiteral("</table>");
            }
            section = item.areaId;
            sectionCurrent = sectionReplacement = 0.0f;
            html += Heading(section > 0 ? item.location : Tr("No location"), html.isEmpty()) + TableStart();
        }
        html += AssetRow(item, Thumbnail(document, item, index));
        sectionCurrent += item.current;
        sectionReplacement += item.replacement;
        current += item.current;
        replacement += item.replacement;
    }
    if (section >= 0) {
        html += TotalRow(Tr("Subtotal"), sectionCurrent, sectionReplacement) + QStringLiteral("</table>");
    }
    return html + Heading(Tr("Total"), html.isEmpty()) + QStringLiteral("<table cellpadding=\"3\">") +
           QStringLiteral("<tr><td>") + Tr("Current value") + QStringLiteral("</td><td align=\"right\"><b>") +
           FormatMoney(current) + QStringLiteral("</b></td></tr><tr><td>") + Tr("Replacement value") +
           QStringLiteral("</td><td align=\"right\"><b>") + FormatMoney(replacement) +
           QStringLiteral("</b></td></tr></table>");
}

QString CInventoryReport::VideosHtml() const
{
    QString rows;
    for (const Item& item : m_items) {
        if (item.video) {
            rows += QStringLiteral("<tr>") + Cell(Html(item.description)) + Cell(Html(item.makeModel)) +
                    Cell(QString::number(item.warranty.ToDate().year()), true) + QStringLiteral("</tr>");
        }
    }
    if (rows.isEmpty()) {
        return QString();
    }
    return QStringLiteral("<h2>") + Tr("Video Library") +
           QStringLiteral("</h2><table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
                          "style=\"border-collapse: collapse\"><thead><tr><th align=\"left\">") +
           Tr("Title") + QStringLiteral("</th><th align=\"left\">") + Tr("Genre") +
           QStringLiteral("</th><th align=\"right\">") + Tr("Year") + QStringLiteral("</th></tr></thead>") +
           rows + QStringLiteral("</table>");
}

bool CInventoryReport::WritePdf(QIODevice& device) const
{
    QPdfWriter writer(&device);
    writer.setResolution(kResolution);
    writer.setTitle(Tr("Home Inventory") + QStringLiteral(" - ") + m_home.GetDescription());
    writer.setCreator(AppName());
    writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    Build(document);
    const QFont footerFont(QStringLiteral("Sans Serif"), 8);
    return PaintDocumentPages(
        writer, document, [&](QPainter& painter, const QRectF& strip, int page, int pages) {
            painter.setFont(footerFont);
            painter.drawText(strip, Qt::AlignLeft | Qt::AlignBottom, m_home.GetDescription());
            painter.drawText(strip, Qt::AlignRight | Qt::AlignBottom,
                             Tr("Page %1 of %2").arg(page).arg(pages));
        });
}

void PrintInventoryReport(QWidget* parent, const CHome& home)
{
    FileRequest request;
    request.owner = parent;
    request.save = true;
    request.filter = Tr("PDF Files (*.pdf)|*.pdf|");
    request.defaultName = home.GetDescription() + Tr(" Inventory Report");
    request.defaultExtension = QStringLiteral("pdf");
    request.promptOverwrite = true;
    const QString chosen = Prompt().ChooseFile(request);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = QFileInfo(chosen).absoluteFilePath();
    bool written = false;
    {
        CWaitCursor wait;
        CInventoryReport report(home);
        QSaveFile file(path);
        written = report.Load() && file.open(QIODevice::WriteOnly) && report.WritePdf(file) && file.commit();
    }
    if (!written) {
        ShowMessage(
            parent,
            Tr("I'm afraid there was an error creating that file. Please make sure the file is not in "
               "use and try again."),
            AppName(), MessageIcon::Exclamation);
        return;
    }
    const QString question = QLatin1Char('"') + path + QLatin1Char('"') +
                             Tr(" has been created.\n\nWould you like to open it now?");
    if (ShowMessage(parent, question, AppName(), MessageIcon::Question, MessageButtons::YesNo) == IDYES) {
        Prompt().ShellOpen(path);
    }
}
