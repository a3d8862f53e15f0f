#include "records/sheets/CDlgAsset_Purchase.h"

#include "records/CAsset.h"
#include "records/sheets/DatePickers.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CDlgAsset_Purchase::CDlgAsset_Purchase(CAsset& asset, QWidget* parent)
    : CPropertyPage(tr("Purchase"), parent), m_asset(asset), m_priceEdit(new QLineEdit(this)),
      m_datePicker(new QDateEdit(this)), m_vendorEdit(new QLineEdit(this)), m_phoneEdit(new QLineEdit(this)),
      m_makeModelEdit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("assetPurchasePage"));
    m_priceEdit->setObjectName(QStringLiteral("purchasePrice"));
    m_datePicker->setObjectName(QStringLiteral("purchaseDate"));
    m_vendorEdit->setObjectName(QStringLiteral("vendor"));
    m_phoneEdit->setObjectName(QStringLiteral("dealerPhone"));
    m_makeModelEdit->setObjectName(QStringLiteral("makeModel"));
    m_priceEdit->setAlignment(Qt::AlignRight);
    m_priceEdit->setMaximumWidth(140);
    ConfigureDatePicker(m_datePicker);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("Purchase &Price:"), m_priceEdit, this), 0, 0);
    grid->addWidget(m_priceEdit, 0, 1, Qt::AlignLeft);
    grid->addWidget(BuddyLabel(tr("Purchase &Date:"), m_datePicker, this), 1, 0);
    grid->addWidget(m_datePicker, 1, 1, Qt::AlignLeft);
    grid->addWidget(BuddyLabel(tr("&Store or Dealer:"), m_vendorEdit, this), 2, 0);
    grid->addWidget(m_vendorEdit, 2, 1);
    grid->addWidget(BuddyLabel(tr("Dealer's Pho&ne #:"), m_phoneEdit, this), 3, 0);
    grid->addWidget(m_phoneEdit, 3, 1);
    grid->addWidget(BuddyLabel(tr("&Brand && Model:"), m_makeModelEdit, this), 4, 0);
    grid->addWidget(m_makeModelEdit, 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
}

bool CDlgAsset_Purchase::DoDataExchange(bool save)
{
    DateTimeValue date = m_asset.GetPurchaseDate();
    if (!save) {
        WriteNumber(m_priceEdit, m_asset.GetPurchasePrice());
        ExchangeDate(m_datePicker, date, false);
        m_vendorEdit->setText(m_asset.GetVendor());
        m_phoneEdit->setText(m_asset.GetPhone1());
        m_makeModelEdit->setText(m_asset.GetMakeModel());
        return true;
    }
    float price = m_asset.GetPurchasePrice();
    if (!ReadNumber(m_priceEdit, price)) {
        return false;
    }
    ExchangeDate(m_datePicker, date, true);
    m_asset.SetPurchasePrice(price);
    m_asset.SetPurchaseDate(date);
    m_asset.SetVendor(m_vendorEdit->text());
    m_asset.SetPhone1(m_phoneEdit->text());
    m_asset.SetMakeModel(m_makeModelEdit->text());
    return true;
}
