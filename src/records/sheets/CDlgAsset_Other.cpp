#include "records/sheets/CDlgAsset_Other.h"

#include "records/CAsset.h"
#include "records/sheets/DatePickers.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CDlgAsset_Other::CDlgAsset_Other(CAsset& asset, QWidget* parent)
    : CPropertyPage(tr("Other"), parent), m_asset(asset), m_serialEdit(new QLineEdit(this)),
      m_replacementEdit(new QLineEdit(this)), m_phoneEdit(new QLineEdit(this)),
      m_hasWarranty(new QCheckBox(this)), m_warrantyPicker(new QDateEdit(this))
{
    setObjectName(QStringLiteral("assetOtherPage"));
    m_serialEdit->setObjectName(QStringLiteral("serialNumber"));
    m_replacementEdit->setObjectName(QStringLiteral("replacementValue"));
    m_phoneEdit->setObjectName(QStringLiteral("servicePhone"));
    m_hasWarranty->setObjectName(QStringLiteral("hasWarranty"));
    m_hasWarranty->setAccessibleName(tr("Has a warranty"));
    m_warrantyPicker->setObjectName(QStringLiteral("warrantyExpiration"));
    m_replacementEdit->setAlignment(Qt::AlignRight);
    m_replacementEdit->setMaximumWidth(140);
    ConfigureDatePicker(m_warrantyPicker);
    connect(m_hasWarranty, &QCheckBox::toggled, m_warrantyPicker, &QWidget::setEnabled);

    auto* warrantyRow = new QHBoxLayout;
    warrantyRow->addWidget(m_hasWarranty);
    warrantyRow->addWidget(m_warrantyPicker);
    warrantyRow->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Serial #:"), m_serialEdit, this), 0, 0);
    grid->addWidget(m_serialEdit, 0, 1);
    grid->addWidget(BuddyLabel(tr("&Replacement Value:"), m_replacementEdit, this), 1, 0);
    grid->addWidget(m_replacementEdit, 1, 1, Qt::AlignLeft);
    grid->addWidget(BuddyLabel(tr("Customer Service &Phone #:"), m_phoneEdit, this), 2, 0);
    grid->addWidget(m_phoneEdit, 2, 1);
    grid->addWidget(BuddyLabel(tr("&Warranty Expiration Date:"), m_hasWarranty, this), 3, 0);
    grid->addLayout(warrantyRow, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
}

bool CDlgAsset_Other::DoDataExchange(bool save)
{
    DateTimeValue warranty = m_asset.GetWarrantyExpiration();
    if (!save) {
        m_serialEdit->setText(m_asset.GetSerialNumber());
        WriteNumber(m_replacementEdit, m_asset.GetReplacementValue());
        m_phoneEdit->setText(m_asset.GetPhone2());
        m_hasWarranty->setChecked(m_asset.HasWarranty());
        m_warrantyPicker->setEnabled(m_asset.HasWarranty());
        if (m_asset.HasWarranty()) {
            ExchangeDate(m_warrantyPicker, warranty, false);
        } else {
            m_warrantyPicker->setDate(QDate::currentDate());
        }
        return true;
    }
    float replacement = m_asset.GetReplacementValue();
    if (!ReadNumber(m_replacementEdit, replacement)) {
        return false;
    }
    m_asset.SetReplacementValue(replacement);
    m_asset.SetSerialNumber(m_serialEdit->text());
    m_asset.SetPhone2(m_phoneEdit->text());
    if (!m_hasWarranty->isChecked()) {
        m_asset.ClearWarranty();
        return true;
    }
    ExchangeDate(m_warrantyPicker, warranty, true);
    m_asset.SetWarrantyExpiration(warranty);
    return true;
}
