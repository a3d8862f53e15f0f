#include "records/CArea.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"

namespace {

// Square inches to square feet, one 144th, in single precision as the area has always been worked.
constexpr float kSquareFeetPerSquareInch = 0.0069444445f;

QString ColumnName(const char* stem, int index)
{
    return QString::fromLatin1(stem) + QString::number(index + 1);
}

} // namespace

CArea::CArea() : m_labels{QStringLiteral("Walls"), QStringLiteral("Curtains"), QStringLiteral("Panels")} {}

long CArea::GetColor(int index) const
{
    return IsColorIndex(index) ? m_colors[index] : kWhite;
}

void CArea::SetColor(int index, long color)
{
    if (IsColorIndex(index)) {
        m_colors[index] = color;
    }
}

QString CArea::GetLabel(int index) const
{
    return IsColorIndex(index) ? m_labels[index] : QString();
}

void CArea::SetLabel(int index, const QString& label)
{
    if (IsColorIndex(index)) {
        m_labels[index] = label;
    }
}

bool CArea::Delete()
{
    CADODataBase* database = AppDatabase();
    if (!IsValid() || database == nullptr || !database->BeginTrans()) {
        return false;
    }
    bool done = ExecuteWithId(QStringLiteral("DELETE FROM Areas WHERE AreaId=%ld;"));
    CADORecordset assets(database);
    if (done && assets.Open(WithId(QStringLiteral("SELECT AreaId FROM Assets WHERE AreaId=%ld;")))) {
        while (done && !assets.IsEof()) {
            assets.Edit();
            done = assets.SetFieldValue(QStringLiteral("AreaId"), 0L) && assets.Update();
            assets.MoveNext();
        }
        assets.Close();
    } else {
        done = false;
    }
    if (done && database->CommitTrans()) {
        return true;
    }
    database->RollbackTrans();
    return false;
}

QString CArea::FeetAndInches(long inches)
{
    if (inches < 12) {
        return QString::number(inches) + QLatin1Char('"');
    }
    const QString feet = QString::number(inches / 12) + QLatin1Char('\'');
    if (inches % 12 == 0) {
        return feet;
    }
    return feet + QString::number(inches % 12) + QLatin1Char('"');
}

QString CArea::GetSummaryText() const
{
    QString text;
    if (m_length != 0 && m_width != 0) {
        text = QStringLiteral("Dimensions: ") + FeetAndInches(m_length) + QStringLiteral(" x ") +
               FeetAndInches(m_width);
        if (m_height != 0) {
            text += QStringLiteral(" x ") + FeetAndInches(m_height);
        }
        // The product in 64 bits, so large rooms cannot overflow before the conversion.
        const float area = float(qint64(m_length) * qint64(m_width)) * kSquareFeetPerSquareInch;
        text +=
            QStringLiteral("\r\nArea: ") + FormatNumber(area, true, false) + QStringLiteral(" sq. ft.\r\n");
    }
    return text + m_notes;
}

QString CArea::TableName() const
{
    return QStringLiteral("Areas");
}

QString CArea::KeyColumn() const
{
    return QStringLiteral("AreaId");
}

QString CArea::RowQuery() const
{
    return WithId(QStringLiteral("SELECT * FROM Areas WHERE AreaId=%ld;"));
}

void CArea::ReadFields(CADORecordset& row)
{
    row.GetFieldValue(QStringLiteral("HomeId"), m_homeId);
    row.GetFieldValue(QStringLiteral("Description"), m_description);
    row.GetFieldValue(QStringLiteral("Length"), m_length);
    row.GetFieldValue(QStringLiteral("Width"), m_width);
    row.GetFieldValue(QStringLiteral("Height"), m_height);
    for (int i = 0; i < kColorCount; ++i) {
        row.GetFieldValue(ColumnName("Color", i), m_colors[i]);
        row.GetFieldValue(ColumnName("Label", i), m_labels[i]);
    }
    row.GetFieldValue(QStringLiteral("Notes"), m_notes);
}

bool CArea::WriteFields(CADORecordset& row) const
{
    bool written = row.SetFieldValue(QStringLiteral("HomeId"), m_homeId) &&
                   row.SetFieldValue(QStringLiteral("Description"), m_description) &&
                   row.SetFieldValue(QStringLiteral("Length"), m_length) &&
                   row.SetFieldValue(QStringLiteral("Width"), m_width) &&
                   row.SetFieldValue(QStringLiteral("Height"), m_height);
    for (int i = 0; written && i < kColorCount; ++i) {
        written = row.SetFieldValue(ColumnName("Color", i), m_colors[i]);
    }
    for (int i = 0; written && i < kColorCount; ++i) {
        written = row.SetFieldValue(ColumnName("Label", i), m_labels[i]);
    }
    return written && row.SetFieldValue(QStringLiteral("Notes"), m_notes);
}
