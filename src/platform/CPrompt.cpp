#include "platform/CPrompt.h"

#include "res/AppInfo.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <utility>

namespace {

// Stands in while no prompt is installed: nobody is there to answer, so nothing is agreed to.
class CNoPrompt final : public CPrompt
{
public:
    int Message(const MessageRequest& request) override
    {
        qWarning().noquote() << "No prompt installed; declined:" << request.text;
        switch (request.buttons) {
        case MessageButtons::Ok:
            return IDOK;
        case MessageButtons::YesNo:
            return IDNO;
        default:
            return IDCANCEL;
        }
    }
    QString AskForFile(const FileRequest& request) override
    {
        qWarning().noquote() << "No prompt installed; file chooser cancelled:" << request.title;
        return QString();
    }
    bool ShellOpen(const QString& path, const QStringList& /*arguments*/) override
    {
        qWarning().noquote() << "No prompt installed; not opened:" << path;
        return false;
    }
    int RunModal(QDialog& dialog) override
    {
        qWarning().noquote() << "No prompt installed; dialog cancelled:" << dialog.windowTitle();
        return QDialog::Rejected;
    }
};

CPrompt* g_installed = nullptr;

// The description without a trailing "(*.a;*.b)", which Qt's form rebuilds from the patterns.
QString BareDescription(const QString& description)
{
    static const QRegularExpression patternsInParentheses(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString bare = description;
    bare.remove(patternsInParentheses);
    return bare.trimmed();
}

// "*.gif;*.jpg" becomes "*.gif *.jpg"; "*.*" means every file, which Qt writes "*".
QString QtPatterns(const QString& patterns)
{
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) {
        pattern = pattern.trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    }
    return list.join(QLatin1Char(' '));
}

} // namespace

QString CPrompt::ChooseFile(const FileRequest& request)
{
    FileRequest asked = request;
    for (;;) {
        const QString chosen = AskForFile(asked);
        if (chosen.isEmpty() || !request.promptOverwrite || !QFileInfo::exists(chosen))
            return chosen;
        MessageRequest question;
        question.owner = request.owner;
        question.text =
            QCoreApplication::translate("CPrompt", "%1 already exists.\nDo you want to replace it?")
                .arg(QFileInfo(chosen).fileName());
        question.caption = AppName();
        question.icon = MessageIcon::Exclamation;
        question.buttons = MessageButtons::YesNo;
        question.defaultAnswer = IDNO;
        if (Message(question) == IDYES)
            return chosen;
        asked.defaultName = chosen;
    }
}

CPrompt& Prompt()
{
    static CNoPrompt none;
    return g_installed ? *g_installed : none;
}

CPrompt* InstallPrompt(CPrompt* prompt)
{
    return std::exchange(g_installed, prompt);
}

int ShowMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                MessageButtons buttons, int defaultAnswer)
{
    MessageRequest request;
    request.owner = owner;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    request.buttons = buttons;
    request.defaultAnswer = defaultAnswer;
    return Prompt().Message(request);
}

QString QtFilterFromWindows(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            break;
        const QString description = BareDescription(parts[i]);
        const QString patterns = QtPatterns(parts[i + 1]);
        entries += description.isEmpty() ? patterns
                                         : description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QLatin1Char('\n'));
}
