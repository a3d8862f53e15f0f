#pragma once

#include <QString>

class CRegistryKey;
class QWidget;

// Shows an information message titled "Hearthstead" unless the DWORD value of that name under the
// settings key is already nonzero, then writes 1 to it, so each person sees the message once.
// Returns true when the message was shown.
bool ShowMessageOnce(CRegistryKey& settings, QWidget* owner, const QString& text, const QString& valueName);
// The same with the running application's settings key and main window; false without one.
bool ShowMessageOnce(const QString& text, const QString& valueName);
