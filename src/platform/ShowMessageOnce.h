#pragma once

#include "platform/SettingValue.h"

#include <QString>

class QWidget;

// Shows an information message titled "Hearthstead", owned by the owner (the main window), unless
// the DWORD setting `shown` is already nonzero under the settings key; then writes 1 to it, so each
// person sees the message once. Returns true when the message was shown.
bool ShowMessageOnce(CRegistryKey& settings, QWidget* owner, const QString& text,
                     const SettingValue<quint32>& shown);
// The same on the program's settings key (AppSettings); false, showing nothing, without one.
bool ShowMessageOnce(QWidget* owner, const QString& text, const SettingValue<quint32>& shown);
