#pragma once

#include "controls/CPropertyPage.h"

class CArea;
class QComboBox;
class QLineEdit;

// The "Details" page of the location sheet: the name, picked from common room names or typed, and
// the length, width and height in feet and inches.
class CDlgArea_Tab1 final : public CPropertyPage
{
    Q_OBJECT
public:
    // The page fills its fields from the location and writes them back into it when left.
    explicit CDlgArea_Tab1(CArea& area, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgArea_Tab1)

    bool OnKillActive() override;

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;

private:
    // One dimension's pair of edits.
    struct Dimension
    {
        QLineEdit* feet;
        QLineEdit* inches;
    };
    Dimension AddDimensionRow(int row, const QString& caption, const QString& name);
    static void WriteDimension(const Dimension& edits, long inches);
    static long ReadDimension(const Dimension& edits);

    CArea& m_area;
    QComboBox* m_descriptionCombo;
    Dimension m_length{};
    Dimension m_width{};
    Dimension m_height{};
};
