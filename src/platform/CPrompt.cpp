#include "platform/CPrompt.h"

#include "platform/CQtPrompt.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

CPrompt* g_installed = nullptr;

CPrompt& RealPrompt()
{
    static CQtPrompt prompt;
    return prompt;
}

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

CPrompt& Prompt()
{
    return g_installed ? *g_installed : RealPrompt();
}

void InstallPrompt(CPrompt* prompt)
{
    g_installed = prompt;
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
