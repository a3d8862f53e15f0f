#pragma once

#include "controls/CPropertyPage.h"

class CAsset;
class QDateEdit;
class QLineEdit;

// The "Purchase" page of a general asset: price, date, store or dealer, the dealer's phone and
// the brand and model.
class CDlgAsset_Purchase final : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CDlgAsset_Purchase(CAsset& asset, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgAsset_Purchase)

protected:
    bool DoDataExchange(bool save) override;

private:
    CAsset& m_asset;
    QLineEdit* m_priceEdit;
    QDateEdit* m_datePicker;
    QLineEdit* m_vendorEdit;
    QLineEdit* m_phoneEdit;
    QLineEdit* m_makeModelEdit;
};
