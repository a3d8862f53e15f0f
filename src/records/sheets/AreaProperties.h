#pragma once

class CArea;
class QWidget;

// Runs the "Location Properties" sheet on the location: Details, Colors and Notes. With OK the
// location is saved and takes the sheet's values; true then. Cancel, or a save that fails (its
// message shown), leaves the location as it was and returns false.
bool EditProperties(CArea& area, QWidget* parent);
