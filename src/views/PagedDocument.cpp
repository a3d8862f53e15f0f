#include "views/PagedDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

bool PaintDocumentPages(QPagedPaintDevice& device, QTextDocument& document, const PageFooter& footer)
{
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const qreal strip = device.logicalDpiY() / 3.0;
    const QSizeF body(page.width(), page.height() - strip);
    document.setPageSize(body);
    const int pages = document.pageCount();
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int index = 0; index < pages; ++index) {
        if (index > 0) {
            device.newPage();
        }
        painter.save();
        painter.translate(0, -index * body.height());
        context.clip = QRectF(QPointF(0, index * body.height()), body);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        footer(painter, QRectF(0, body.height(), body.width(), strip), index + 1, pages);
    }
    return painter.end();
}
