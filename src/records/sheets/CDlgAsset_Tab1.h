#pragma once

#include "controls/CPropertyPage.h"
#include "records/sheets/CategoryChooser.h"

class CAsset;
class CLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Details" page of the asset sheet: description, category, location and current value. For a
// video title only the description is edited: the category is fixed and location and value hidden.
class CDlgAsset_Tab1 final : public CPropertyPage
{
    Q_OBJECT
public:
    CDlgAsset_Tab1(CAsset& asset, CategoryChooser chooser, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgAsset_Tab1)

    bool OnKillActive() override;
    void OnOK() override;
    // What the "C&ategories" button does.
    void OnCategories();

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;

private:
    long SelectedCategory() const;

    CAsset& m_asset;
    CategoryChooser m_chooser;
    bool m_video;
    QLineEdit* m_descriptionEdit;
    CLabel* m_example;
    QComboBox* m_category;
    QPushButton* m_categoriesButton;
    QLabel* m_locationLabel;
    QComboBox* m_location;
    QLabel* m_valueLabel;
    QLineEdit* m_valueEdit;
};
