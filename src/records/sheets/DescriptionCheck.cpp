#include "records/sheets/DescriptionCheck.h"

#include "platform/CPrompt.h"
#include "res/AppInfo.h"

#include <QLineEdit>

bool CheckDescription(const QString& description, QLineEdit* edit, const QString& message)
{
    if (!description.isEmpty()) {
        return true;
    }
    ShowMessage(edit->window(), message, AppName(), MessageIcon::Information);
    edit->setFocus();
    return false;
}
