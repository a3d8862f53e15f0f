#pragma once

#include <QRectF>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

// Draws the foot of one page (numbered from 1 of pages) inside the strip below the page's body.
using PageFooter = std::function<void(QPainter& painter, const QRectF& strip, int page, int pages)>;

// Paints a document, built for the device, on as many pages as it needs, leaving a strip a third of
// an inch high at each page's foot for the footer. Paper is white whatever the screen's theme, so the
// text is black rather than the palette's text colour. False when the device could not be painted on.
bool PaintDocumentPages(QPagedPaintDevice& device, QTextDocument& document, const PageFooter& footer);
