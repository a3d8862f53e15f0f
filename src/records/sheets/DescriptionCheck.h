#pragma once

#include <QString>

class QLineEdit;

// The refusal every record page with a description shares: an empty description gets the page's
// message (an information box titled with the program's name) and the focus goes back to the edit.
// True when the description may be kept.
bool CheckDescription(const QString& description, QLineEdit* edit, const QString& message);
