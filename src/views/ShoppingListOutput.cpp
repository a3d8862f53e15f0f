#include "views/ShoppingListOutput.h"

#include "data/DateTimeValue.h"
#include "data/Formatting.h"
#include "views/CShoppingList.h"
#include "views/PagedDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <cmath>

namespace {
QString Tr(const char* text)
{
    return QCoreApplication::translate("ShoppingListOutput", text);
}

QString Html(const QString& text)
{
    return text.toHtmlEscaped();
}

QString Cell(const QString& html, const char* align = "left")
{
    return QStringLiteral("<td align=\"%1\">").arg(QLatin1String(align)) + html + QStringLiteral("</td>");
}

QString Bold(const QString& html)
{
    return QStringLiteral("<b>") + html + QStringLiteral("</b>");
}

// Whole quantities without decimals, parts of a unit with them.
QString Quantity(float quantity)
{
    if (quantity == 0.0f) {
        return QString();
    }
    return FormatNumber(quantity, quantity != std::trunc(quantity), false);
}

// The table's bottom margin keeps the next store's heading clear of it.
QString TableStart()
{
    const struct
    {
        const char* text;
        const char* align;
        int width;
    } headings[] = {{QT_TRANSLATE_NOOP("ShoppingListOutput", "Aisle"), "left", 12},
                    {QT_TRANSLATE_NOOP("ShoppingListOutput", "Item"), "left", 44},
                    {QT_TRANSLATE_NOOP("ShoppingListOutput", "Qty"), "right", 9},
                    {QT_TRANSLATE_NOOP("ShoppingListOutput", "Unit"), "left", 10},
                    {QT_TRANSLATE_NOOP("ShoppingListOutput", "Price"), "right", 15},
                    {QT_TRANSLATE_NOOP("ShoppingListOutput", "Coupon"), "center", 10}};
    QString html = QStringLiteral(
        "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" border=\"1\" "
        "style=\"border-collapse: collapse; border-color: #999999; margin-bottom: 14px\"><thead><tr>");
    for (const auto& heading : headings) {
        html += QStringLiteral("<th align=\"%1\" width=\"%2%\" bgcolor=\"#e8e8e8\">")
                    .arg(QLatin1String(heading.align))
                    .arg(heading.width) +
                Tr(heading.text) + QStringLiteral("</th>");
    }
    return html + QStringLiteral("</tr></thead>");
}

QString ItemRow(const CShoppingList::Item& item)
{
    return QStringLiteral("<tr>") + Cell(Html(item.aisle)) + Cell(Html(item.description)) +
           Cell(Quantity(item.quantity), "right") + Cell(Html(item.unit)) +
           Cell(item.price == 0.0f ? QString() : FormatMoney(item.price), "right") +
           Cell(item.coupon ? QStringLiteral("\u2713") : QString(), "center") + QStringLiteral("</tr>");
}

QString StoreHtml(const CShoppingList::Store& store)
{
    const QString name = store.name.isEmpty() ? Tr("Any store") : store.name;
    QString html = QStringLiteral("<h2>") + Html(name) + QStringLiteral("</h2>") + TableStart();
    for (const CShoppingList::Item& item : store.items) {
        html += ItemRow(item);
    }
    return html + QStringLiteral("<tr>") + Cell(QString()) + Cell(Bold(Tr("Total"))) + Cell(QString()) +
           Cell(QString()) + Cell(Bold(FormatMoney(store.total)), "right") + Cell(QString()) +
           QStringLiteral("</tr></table>");
}
} // namespace

void BuildShoppingList(QTextDocument& document, const CShoppingList& list)
{
    document.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 10));
    QString html = QStringLiteral("<h1>") + Tr("Shopping List") + QStringLiteral("</h1><p>") +
                   Html(FormatDate(DateTimeValue::FromDate(QDate::currentDate()), true)) +
                   QStringLiteral("</p>");
    for (const CShoppingList::Store& store : list.Stores()) {
        html += StoreHtml(store);
    }
    if (list.Stores().size() > 1) {
        html += QStringLiteral("<p>") + Bold(Tr("Total of all stores: %1").arg(FormatMoney(list.Total()))) +
                QStringLiteral("</p>");
    }
    document.setHtml(html);
}

bool PaintShoppingList(QPagedPaintDevice& device, const CShoppingList& list)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    BuildShoppingList(document, list);
    const QFont footerFont(QStringLiteral("Sans Serif"), 8);
    return PaintDocumentPages(device, document,
                              [&](QPainter& painter, const QRectF& strip, int page, int pages) {
                                  painter.setFont(footerFont);
                                  painter.drawText(strip, Qt::AlignRight | Qt::AlignBottom,
                                                   Tr("Page %1 of %2").arg(page).arg(pages));
                              });
}
