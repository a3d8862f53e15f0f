#include "data/AppPaths.h"

#include "data/CAppFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace {

// "\n" stands for a line break and "\\" for a backslash; any other backslash is kept.
QString Unescaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text.at(i + 1);
            if (next == QLatin1Char('n') || next == QLatin1Char('\\')) {
                result += next == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

// The string table compiled into the program: one "id<TAB>text" a line, "#" lines are comments.
QHash<int, QString> ReadStringTable()
{
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/strings.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool isNumber = false;
        const int id = line.left(tab).toInt(&isNumber);
        if (tab > 0 && isNumber)
            table.insert(id, Unescaped(line.mid(tab + 1)));
    }
    return table;
}

// Asked afresh each time: the environment may move the folders while the program runs.
CAppFolders ProgramFolders()
{
    return CAppFolders(QCoreApplication::applicationDirPath());
}

} // namespace

QString GetAppPath()
{
    return ProgramFolders().DataPath();
}

QString GetDeliveredPath()
{
    return ProgramFolders().DeliveredPath();
}

bool PrepareDataFolder()
{
    return ProgramFolders().Prepare();
}

QString GetDatabasePath()
{
    return GetAppPath() + QStringLiteral("HOMEDATA.DAT");
}

QString GetConnectionString()
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='") + GetDatabasePath() +
           QStringLiteral("';");
}

QString LoadResString(int id)
{
    static const QHash<int, QString> table = ReadStringTable();
    return table.value(id);
}
