#include "records/sheets/SaveRecord.h"

#include "controls/CPropertySheet.h"
#include "platform/CPrompt.h"
#include "records/CDataRecord.h"
#include "res/AppInfo.h"

bool SaveRecord(CDataRecord& record, QWidget* parent, const QString& failureText)
{
    if (record.Save()) {
        return true;
    }
    // Kept on purpose: a record the sheet could not store is said so, rather than lost in silence.
    ShowMessage(parent, failureText, AppName(), MessageIcon::Exclamation);
    return false;
}

void SaveOnOk(CPropertySheet& sheet, CDataRecord& record, const QString& failureText,
              std::function<void()> collect)
{
    sheet.SetOkHandler([&sheet, &record, failureText, collect = std::move(collect)] {
        if (collect) {
            collect();
        }
        return SaveRecord(record, &sheet, failureText);
    });
}
