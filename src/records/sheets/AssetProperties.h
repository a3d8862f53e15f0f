#pragma once

#include "records/sheets/CategoryChooser.h"

class CAsset;
class QWidget;

// Runs the "Asset Properties" sheet on the asset: Details, Purchase, Other, Picture and Notes, or
// for a video title Details, Title Information and Notes. A new video title starts as "New Video"
// of the "General" genre. With OK the asset is saved and takes the sheet's values; true then.
// Cancel, or a save that fails (its message shown), leaves the asset as it was and returns false.
// The chooser is what the "C&ategories" button opens.
bool EditProperties(CAsset& asset, QWidget* parent, const CategoryChooser& chooser);
