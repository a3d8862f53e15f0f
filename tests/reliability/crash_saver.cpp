// Saves until it is killed, printing a line on stdout for every save reported committed:
//   crash_saver records <first>   "i <n> <id>" for a new home whose every field derives from the
//                                 counter n, and "u <id> <n>" for the run's first home saved again
//                                 with the fields of n;
//   crash_saver settings <first>  "s <n>" for the settings value "Payload" written as Payload(n).
// The data file and the settings folder are the ones the environment names, as for the program.

#include "CrashDrillRows.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "platform/CRegistryKey.h"
#include "records/CHome.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void Report(const QByteArray& line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

int SaveRecords(long n)
{
    CADODataBase session;
    if (!session.Open(GetConnectionString())) {
        std::fprintf(stderr, "crash_saver: %s\n", qPrintable(session.GetLastError()));
        return 1;
    }
    SetAppDatabase(&session);
    CHome first;
    for (;; ++n) {
        CHome home;
        CrashDrillRows::Fill(home, n);
        if (home.Save()) {
            Report("i " + QByteArray::number(n) + ' ' + QByteArray::number(qint64(home.GetId())));
        }
        if (!first.IsValid()) {
            first = home;
            continue;
        }
        CrashDrillRows::Fill(first, n);
        if (first.Save()) {
            Report("u " + QByteArray::number(qint64(first.GetId())) + ' ' + QByteArray::number(n));
        }
    }
}

int SaveSettings(long n)
{
    CRegistryKey key;
    if (!key.Create(RegistryRoot::CurrentUser, CrashDrillRows::kSettingsKey)) {
        return 1;
    }
    for (;; ++n) {
        if (key.SetString(QStringLiteral("Payload"), CrashDrillRows::Payload(n))) {
            Report("s " + QByteArray::number(qint64(n)));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const long first = args.value(2).toLong();
    if (args.size() == 3 && args.at(1) == QLatin1String("records")) {
        return SaveRecords(first);
    }
    if (args.size() == 3 && args.at(1) == QLatin1String("settings")) {
        return SaveSettings(first);
    }
    return 2;
}
