#include "records/CTask.h"

#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "res/StringIds.h"

bool CTask::SetStatus(int status)
{
    m_status = status;
    if (!IsValid()) {
        return false;
    }
    CADORecordset row(AppDatabase());
    if (!row.Open(WithId(QStringLiteral("SELECT TaskId, Status FROM Tasks WHERE TaskId=%ld;"))) ||
        row.IsEof()) {
        return false;
    }
    row.Edit();
    return row.SetFieldValue(QStringLiteral("Status"), short(status)) && row.Update();
}

bool CTask::Delete()
{
    if (!IsValid()) {
        return false;
    }
    return ExecuteWithId(QStringLiteral("DELETE FROM Tasks WHERE TaskId=%ld;"));
}

QString CTask::GetDisplayText() const
{
    if (!IsShoppingItem()) {
        return m_description;
    }
    QString text = QStringLiteral("Buy ");
    if (m_custom1 != 0.0f) {
        text += FormatNumber(m_custom1, false, false) + QLatin1Char(' ');
    }
    if (!GetUnit().isEmpty()) {
        text += GetUnit() + QLatin1Char(' ');
    }
    text += m_description;
    if (!m_vendor.isEmpty()) {
        text += QStringLiteral(" @ ") + m_vendor;
    }
    if (!m_custom3.isEmpty()) {
        text += QStringLiteral(" (#") + m_custom3 + QLatin1Char(')');
    }
    return text;
}

QString CTask::TableName() const
{
    return QStringLiteral("Tasks");
}

QString CTask::KeyColumn() const
{
    return QStringLiteral("TaskId");
}

QString CTask::RowQuery() const
{
    return WithId(LoadResString(IDS_TASK_ROW_QUERY));
}

void CTask::ReadFields(CADORecordset& row)
{
    row.GetFieldValue(QStringLiteral("TaskId"), m_id);
    row.GetFieldValue(QStringLiteral("TaskType"), m_type);
    row.GetFieldValue(QStringLiteral("Status"), m_status);
    row.GetFieldValue(QStringLiteral("Custom2"), m_custom2);
    row.GetFieldValue(QStringLiteral("Description"), m_description);
    row.GetFieldValue(QStringLiteral("Cost"), m_cost);
    row.GetFieldValue(QStringLiteral("Vendor"), m_vendor);
    row.GetFieldValue(QStringLiteral("Custom1"), m_custom1);
    row.GetFieldValue(QStringLiteral("Custom3"), m_custom3);
    row.GetFieldValue(QStringLiteral("Notes"), m_notes);
    // Older data may hold any non-zero coupon mark; the item uses a coupon or it does not.
    if (IsShoppingItem() && m_custom2 != 0) {
        m_custom2 = 1;
    }
}

bool CTask::WriteFields(CADORecordset& row) const
{
    return row.SetFieldValue(QStringLiteral("Description"), m_description) &&
           row.SetFieldValue(QStringLiteral("TaskType"), short(m_type)) &&
           row.SetFieldValue(QStringLiteral("Status"), short(m_status)) &&
           row.SetFieldValue(QStringLiteral("Cost"), double(m_cost)) &&
           row.SetFieldValue(QStringLiteral("Vendor"), m_vendor) &&
           row.SetFieldValue(QStringLiteral("Custom1"), double(m_custom1)) &&
           row.SetFieldValue(QStringLiteral("Custom2"), short(m_custom2)) &&
           row.SetFieldValue(QStringLiteral("Custom3"), m_custom3) &&
           row.SetFieldValue(QStringLiteral("Notes"), m_notes);
}
