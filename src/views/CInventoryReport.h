#pragma once

#include "data/DateTimeValue.h"
#include "records/CHome.h"

#include <QList>
#include <QString>

class QIODevice;
class QTextDocument;
class QWidget;

// The inventory a home owner hands to an insurer: a cover with the home's description, address,
// picture and the date; a section per location ("No location" last) listing each asset with its
// details, values and a thumbnail of its picture, with a subtotal per location and the grand totals;
// then the video titles (title, genre, year). Written as a PDF whose pages carry the home's name and
// their number at the foot.
class CInventoryReport final
{
public:
    struct Item
    {
        long areaId = 0;
        QString location;
        QString description;
        QString category;
        QString makeModel;
        QString serialNumber;
        QString picture;
        DateTimeValue purchased;
        DateTimeValue warranty;
        float price = 0.0f;
        float current = 0.0f;
        float replacement = 0.0f;
        bool video = false;
    };

    explicit CInventoryReport(const CHome& home);

    // Reads the home's assets with their categories and locations; false when they cannot be read.
    bool Load();
    const QList<Item>& Items() const { return m_items; }
    // Puts the report into the document: its text, tables and scaled-down pictures.
    void Build(QTextDocument& document) const;
    // Writes the PDF to the device, which must be open for writing. False when nothing could be drawn.
    bool WritePdf(QIODevice& device) const;

private:
    QString CoverHtml(bool withPicture) const;
    QString LocationsHtml(QTextDocument& document) const;
    QString VideosHtml() const;
    QString Thumbnail(QTextDocument& document, const Item& item, int index) const;

    CHome m_home;
    QList<Item> m_items;
};

// File / "Print Inventory Report...": asks where to save the current home's report, writes it there
// (a failure says so and changes nothing on disk) and offers to open it.
void PrintInventoryReport(QWidget* parent, const CHome& home);
