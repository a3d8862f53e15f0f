#pragma once

#include "controls/CPropertyPage.h"
#include "records/CArea.h"

class CLabel;
class QLabel;

// The "Colors" page of the location sheet: one swatch per remembered colour under a caption showing
// what it belongs to. Clicking a swatch (or Space or Enter on it) opens "Select Color" for it.
class CDlgArea_Colors final : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CDlgArea_Colors(CArea& area, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgArea_Colors)

    // Runs "Select Color" for colour 0, 1 or 2; on OK the location takes the colour and label.
    void ChangeColor(int index);

protected:
    bool DoDataExchange(bool save) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowColor(int index);

    CArea& m_area;
    QLabel* m_captions[CArea::kColorCount];
    CLabel* m_swatches[CArea::kColorCount];
};
