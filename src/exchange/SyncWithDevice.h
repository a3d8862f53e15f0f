#pragma once

class QWidget;

enum class SyncOutcome
{
    Nothing,         // stopped, cancelled or refused: neither side changed
    DesktopToDevice, // the device's database was replaced by the desktop's tables
    DeviceToDesktop  // the desktop's tables were replaced by the device's: the caller reloads
};

// "Sync. with Device": the introduction once, the filter library found and loaded for this run
// only, the device's registry and database checked (Retry starts again), the direction asked, the
// sync manager asked to quit, the tables copied with the progress window up, and the result told.
// Before the device's data replaces the desktop's, the data file is kept as a safety copy (occasion
// "sync"). Every message is owned by the owner (the main window).
SyncOutcome SyncWithDevice(QWidget* owner);
