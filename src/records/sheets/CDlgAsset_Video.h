#pragma once

#include "controls/CPropertyPage.h"

class CAsset;
class QComboBox;
class QDateEdit;
class QSpinBox;

// The "Title Information" page of a video title: its genre (kept as the make and model), its release
// year (kept as 1 January of that year in the warranty date) and its purchase date.
class CDlgAsset_Video final : public CPropertyPage
{
    Q_OBJECT
public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2020;

    explicit CDlgAsset_Video(CAsset& asset, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgAsset_Video)

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;

private:
    CAsset& m_asset;
    QComboBox* m_genre;
    QSpinBox* m_year;
    QDateEdit* m_datePicker;
};
