#pragma once

#include "controls/CPropertyPage.h"

class CAsset;
class QCheckBox;
class QDateEdit;
class QLineEdit;

// The "Other" page of a general asset: serial number, replacement value, customer service phone
// and the warranty's end, which may be no date at all (its check box cleared).
class CDlgAsset_Other final : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CDlgAsset_Other(CAsset& asset, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgAsset_Other)

protected:
    bool DoDataExchange(bool save) override;

private:
    CAsset& m_asset;
    QLineEdit* m_serialEdit;
    QLineEdit* m_replacementEdit;
    QLineEdit* m_phoneEdit;
    QCheckBox* m_hasWarranty;
    QDateEdit* m_warrantyPicker;
};
