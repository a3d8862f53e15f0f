#pragma once

#include <QString>

class CLabel;
class QLabel;
class QWidget;

// The labels the record pages share.

// A field's caption; its "&" letter moves the focus to the buddy.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);
// An example or advice text under a field, in the program's example colour, RGB(55, 96, 157) (a
// lighter shade where the page is dark). The field it explains, when given, reads it to screen
// readers as its description.
CLabel* ExampleLabel(const QString& text, QWidget* parent, QWidget* describes = nullptr);
