#pragma once

class CHome;
class QWidget;

// Runs the "Home Profile" sheet on the home: Details, Loans (a stored home only, since loans hang on
// its id), Picture and Notes. With OK the home is saved and takes the sheet's values; true then.
// Cancel, or a save that fails (its message shown), leaves the home as it was and returns false.
bool EditProperties(CHome& home, QWidget* parent, bool startOnLoans = false);
