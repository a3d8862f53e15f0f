#pragma once

#include <QString>

class CShoppingList;
class QPagedPaintDevice;
class QTextDocument;

// The list as a document: the title and date, then a table per store (aisle, item, quantity, unit,
// price, coupon) closed by the store's total, and the total of all stores when there are several.
void BuildShoppingList(QTextDocument& document, const CShoppingList& list);

// The document on as many pages as it needs, each page numbered at its foot; false when the
// device could not be painted on.
bool PaintShoppingList(QPagedPaintDevice& device, const CShoppingList& list);
