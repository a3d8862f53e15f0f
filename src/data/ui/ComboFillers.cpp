#include "data/ui/ComboFillers.h"

#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/ui/CWaitCursor.h"

#include <QComboBox>

void FillComboFromQuery(QComboBox* combo, long idToSelect, const QString& sql, bool withDetail,
                        const QString& firstItem)
{
    if (!combo)
        return;
    CWaitCursor wait;
    combo->clear();
    if (!firstItem.isEmpty())
        combo->addItem(firstItem, 0);

    CADORecordset rows(AppDatabase());
    if (!rows.Open(sql)) {
        combo->setCurrentIndex(-1);
        return;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        QString text;
        QString detail;
        long id = 0;
        rows.GetFieldValue(1, text);
        if (withDetail && rows.GetFieldValue(2, detail) && !detail.isEmpty())
            text += QStringLiteral(" (") + detail + QLatin1Char(')');
        rows.GetFieldValue(0, id);
        combo->addItem(text, static_cast<int>(id));
    }
    rows.Close();

    combo->setCurrentIndex(0);
    const int match = combo->findData(static_cast<int>(idToSelect));
    if (match >= 0)
        combo->setCurrentIndex(match);
}

void FillCategoryCombo(QComboBox* combo, long idToSelect, int categoryType, bool optional)
{
    FillComboFromQuery(
        combo, idToSelect,
        QStringLiteral(
            "SELECT CategoryId, Description FROM Categories WHERE CategoryType=%1 ORDER BY Description;")
            .arg(categoryType),
        false, optional ? QStringLiteral("(optional)") : QStringLiteral("Please select..."));
}

void FillComboFromString(QComboBox* combo, const QString& textToSelect, int stringId)
{
    if (!combo)
        return;
    const QString list = LoadResString(stringId);
    if (!list.isEmpty())
        combo->addItems(list.split(QLatin1Char(';')));
    if (textToSelect.isEmpty())
        return;
    const int match = combo->findText(textToSelect, Qt::MatchFixedString);
    if (match >= 0)
        combo->setCurrentIndex(match);
}
