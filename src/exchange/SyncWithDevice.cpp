#include "exchange/SyncWithDevice.h"

#include "exchange/CFilterLibrary.h"
#include "exchange/CSafetyCopy.h"
#include "exchange/CSyncDirectionDlg.h"
#include "exchange/CSyncProgressWnd.h"

#include "data/AppPaths.h"
#include "data/ui/CWaitCursor.h"
#include "platform/CDeviceFile.h"
#include "platform/CDeviceRegistryKey.h"
#include "platform/CPrompt.h"
#include "platform/DeviceLink.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

const char* const kTableList = "Areas..Assets..Categories..Homes..Loans..TableIds..Tasks..";

QString DeviceKeyPath()
{
    return QStringLiteral("Software\\BrightWater\\Hearthstead");
}

// The version as a decimal number, read from its leading digits as the handheld writes them.
bool IsSupportedVersion(const QString& version)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(\\.\\d+)?)"));
    const QRegularExpressionMatch match = number.match(version);
    return match.hasMatch() && match.captured(1).toDouble() >= 1.1;
}

// The device's database path once the device passed every check; otherwise the text of the failure.
struct DeviceCheck
{
    QString dbPath;
    int failure = 0;
};

DeviceCheck CheckDevice()
{
    DeviceCheck check;
    CDeviceRegistryKey key;
    if (!key.Open(DeviceKeyPath())) {
        return {{}, IDS_SYNC_CONNECT_FAILED};
    }
    QString version;
    if (!key.QueryString(QStringLiteral("CurrentVersion"), version) || !IsSupportedVersion(version)) {
        check.failure = IDS_SYNC_DEVICE_TOO_OLD;
    } else if (!key.QueryString(QStringLiteral("DBPath"), check.dbPath)) {
        check.failure = IDS_SYNC_CONNECT_FAILED;
    }
    key.Close();
    if (check.failure != 0) {
        return check;
    }
    // Only to learn that the handheld edition does not hold its database open.
    CDeviceFile file;
    if (!file.Open(check.dbPath)) {
        check.failure = IDS_SYNC_CONNECT_FAILED;
    }
    return check;
}

void Inform(QWidget* owner, int textId)
{
    ShowMessage(owner, LoadResString(textId), AppName(), MessageIcon::Information);
}

// Copies in the chosen direction with the progress window up; the library is unloaded afterwards.
// False, with nothing changed, when the desktop's safety copy cannot be made.
bool Transfer(QWidget* owner, CFilterLibrary& library, CSyncDirectionDlg::Direction direction,
              const QString& dbPath)
{
    CSafetyCopy safety(GetDatabasePath(), QStringLiteral("sync"));
    if (direction == CSyncDirectionDlg::DeviceToDesktop && !safety.Make()) {
        library.Unload();
        ShowMessage(owner,
                    QCoreApplication::translate("SyncWithDevice",
                                                "Your data could not be kept aside before the sync, so "
                                                "nothing was changed.\n\n%1")
                        .arg(safety.GetLastError()),
                    AppName(), MessageIcon::Exclamation);
        return false;
    }
    CSyncProgressWnd progress(owner);
    progress.ShowNow();
    const QByteArray desktop = GetDatabasePath().toLocal8Bit();
    const QByteArray device = dbPath.toLocal8Bit();
    if (direction == CSyncDirectionDlg::DesktopToDevice) {
        DeleteDeviceFile(dbPath);
        library.DesktopToDevice(desktop, kTableList, device);
    } else {
        library.DeviceToDesktop(desktop, kTableList, device);
        safety.RemoveOldest();
    }
    library.Unload();
    return true;
}

// One pass from the library's load on; an empty result asks for another pass (Retry).
std::optional<SyncOutcome> RunOnce(QWidget* owner)
{
    CFilterLibrary library;
    if (!library.Load()) {
        ShowMessage(owner, LoadResString(IDS_SYNC_MANAGER_MISSING), AppName(), MessageIcon::Exclamation);
        return SyncOutcome::Nothing;
    }
    std::optional<CWaitCursor> wait(std::in_place);
    const DeviceCheck check = CheckDevice();
    if (check.failure != 0) {
        library.Unload();
        wait.reset();
        const int answer = ShowMessage(owner, LoadResString(check.failure), AppName(),
                                       MessageIcon::Exclamation, MessageButtons::RetryCancel);
        return answer == IDRETRY ? std::nullopt : std::optional(SyncOutcome::Nothing);
    }
    CSyncDirectionDlg dialog(owner);
    if (Prompt().RunModal(dialog) != QDialog::Accepted) {
        return SyncOutcome::Nothing;
    }
    const CSyncDirectionDlg::Direction direction = dialog.GetDirection();
    Prompt().ShellOpen(library.ManagerPath(), {QStringLiteral("/quit")});
    if (!Transfer(owner, library, direction, check.dbPath)) {
        return SyncOutcome::Nothing;
    }
    if (direction == CSyncDirectionDlg::DeviceToDesktop) {
        Inform(owner, IDS_SYNC_FROM_DEVICE_DONE);
        return SyncOutcome::DeviceToDesktop;
    }
    Inform(owner, IDS_SYNC_TO_DEVICE_DONE);
    return SyncOutcome::DesktopToDevice;
}

} // namespace

SyncOutcome SyncWithDevice(QWidget* owner)
{
    ShowMessageOnce(owner, LoadResString(IDS_SYNC_INTRO), Settings::SyncGreeting);
    for (;;) {
        if (const std::optional<SyncOutcome> outcome = RunOnce(owner)) {
            return *outcome;
        }
    }
}
