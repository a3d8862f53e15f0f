// hearthstead-device: makes a folder (a memory card, a test folder) into a handheld the program can
// sync with, shows what a device holds, and holds its database the way the handheld edition does
// while it runs.
//
//   hearthstead-device init FOLDER [--version 1.3] [--db-path '\My Documents\Hearthstead\HOMEDATA.CDB']
//   hearthstead-device show FOLDER
//   hearthstead-device hold FOLDER

#include "bridge/DeviceSetup.h"
#include "platform/CDeviceFile.h"

#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

enum ExitCode
{
    Ok = 0,
    Failed = 1,
    Usage = 2
};

int PrintUsage()
{
    std::fprintf(stderr, "usage: hearthstead-device init FOLDER [--version VERSION] [--db-path PATH]\n"
                         "       hearthstead-device show FOLDER\n"
                         "       hearthstead-device hold FOLDER\n");
    return Usage;
}

int Report(bool done, const QString& error)
{
    if (!done) {
        std::fprintf(stderr, "hearthstead-device: %s\n", qPrintable(error));
    }
    return done ? Ok : Failed;
}

int Init(const QString& folder, const QStringList& options)
{
    QString version = DeviceSetup::kDefaultVersion;
    QString dbPath = DeviceSetup::kDefaultDbPath;
    for (int i = 0; i < options.size(); i += 2) {
        if (i + 1 >= options.size() || options[i + 1].isEmpty()) {
            return PrintUsage();
        }
        if (options[i] == QLatin1String("--version")) {
            version = options[i + 1];
        } else if (options[i] == QLatin1String("--db-path")) {
            dbPath = options[i + 1];
        } else {
            return PrintUsage();
        }
    }
    QString error;
    return Report(DeviceSetup::MakeDevice(folder, version, dbPath, &error), error);
}

int Show(const QString& folder)
{
    QString description;
    QString error;
    const bool described = DeviceSetup::DescribeDevice(folder, description, &error);
    if (described) {
        std::fputs(qPrintable(description), stdout);
    }
    return Report(described, error);
}

// Until interrupted; the lock goes with the process.
int Hold(const QString& folder)
{
    QString database;
    CDeviceFile file;
    if (!DeviceSetup::DeviceDatabase(folder, database)) {
        return Report(false, folder + QStringLiteral(" has no device database."));
    }
    if (!file.OpenLocal(database)) {
        return Report(false, QStringLiteral("The device database is already held."));
    }
    std::printf("Holding %s; press Ctrl+C to let it go.\n", qPrintable(database));
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments += QString::fromLocal8Bit(argv[i]);
    }
    if (arguments.size() < 2) {
        return PrintUsage();
    }
    const QString command = arguments.takeFirst();
    const QString folder = arguments.takeFirst();
    if (command == QLatin1String("init")) {
        return Init(folder, arguments);
    }
    if (command == QLatin1String("show") && arguments.isEmpty()) {
        return Show(folder);
    }
    if (command == QLatin1String("hold") && arguments.isEmpty()) {
        return Hold(folder);
    }
    return PrintUsage();
}
