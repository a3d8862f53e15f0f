#pragma once

#include "records/CDataRecord.h"

// A room or other area of a home (table Areas): its dimensions in whole inches (0: not given), three
// colours to remember with what each belongs to, and notes. Colours are red-green-blue words, red in
// the low byte (0xFFFFFF is white).
class CArea final : public CDataRecord
{
public:
    static constexpr long kWhite = 0xFFFFFF;
    static constexpr int kColorCount = 3;

    // A new location: no dimensions, white walls, curtains and panels, no home.
    CArea();

    long GetHomeId() const { return m_homeId; }
    void SetHomeId(long homeId) { m_homeId = homeId; }
    long GetLength() const { return m_length; }
    void SetLength(long inches) { m_length = inches; }
    long GetWidth() const { return m_width; }
    void SetWidth(long inches) { m_width = inches; }
    long GetHeight() const { return m_height; }
    void SetHeight(long inches) { m_height = inches; }
    // Colours and labels by index 0, 1 or 2; another index reads white and "" and sets nothing.
    long GetColor(int index) const;
    void SetColor(int index, long color);
    QString GetLabel(int index) const;
    void SetLabel(int index, const QString& label);

    // Removes the row; the location's assets stay, with no location (AreaId 0). Both in one
    // transaction: false, and nothing changed, when either fails or the record is not stored.
    bool Delete() override;

    // The rooms view's text: "Dimensions: 12'6\" x 10'" (and " x height" when given) with the area in
    // square feet on the next line, when length and width are both given; then the notes.
    QString GetSummaryText() const;
    // n inches as feet and inches: 7 gives 7", 144 gives 12', 150 gives 12'6".
    static QString FeetAndInches(long inches);

protected:
    QString TableName() const override;
    QString KeyColumn() const override;
    QString RowQuery() const override;
    void ReadFields(CADORecordset& row) override;
    bool WriteFields(CADORecordset& row) const override;

private:
    static bool IsColorIndex(int index) { return index >= 0 && index < kColorCount; }

    long m_homeId = 0;
    long m_length = 0;
    long m_width = 0;
    long m_height = 0;
    long m_colors[kColorCount] = {kWhite, kWhite, kWhite};
    QString m_labels[kColorCount];
};
