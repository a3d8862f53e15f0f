#include "records/sheets/CDlgShoppingItem.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/DataHelpers.h"
#include "data/ui/ComboFillers.h"
#include "records/CTask.h"
#include "records/sheets/DescriptionCheck.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"
#include "res/StringIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kStoreCategories = 3;
constexpr int kAisles = 20;

QComboBox* EditableCombo(const QString& name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

// Adds step to the number in the edit, never going below 0; text that is no number starts from 0.
void StepNumber(QLineEdit* edit, float step)
{
    bool ok = false;
    const float value = QLocale::c().toFloat(edit->text().trimmed(), &ok);
    WritePlainNumber(edit, std::max(0.0f, (ok ? value : 0.0f) + step));
}

QStringList ColumnTexts(const QString& sql)
{
    QStringList texts;
    CADORecordset rows(AppDatabase());
    if (!rows.Open(sql)) {
        return texts;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        QString text;
        rows.GetFieldValue(0, text);
        if (!text.trimmed().isEmpty()) {
            texts += text;
        }
    }
    return texts;
}

} // namespace

CDlgShoppingItem::CDlgShoppingItem(CTask& item, CategoryChooser chooser, QWidget* parent)
    : QDialog(parent), m_item(item), m_chooser(std::move(chooser)), m_description(new QLineEdit(this)),
      m_unit(EditableCombo(QStringLiteral("shoppingUnit"), this)),
      m_store(EditableCombo(QStringLiteral("shoppingStore"), this)),
      m_coupon(new QCheckBox(tr("Use Co&upon"), this)),
      m_aisle(EditableCombo(QStringLiteral("shoppingAisle"), this))
{
    setObjectName(QStringLiteral("shoppingItemDialog"));
    setWindowTitle(tr("Shopping List Item"));
    m_description->setObjectName(QStringLiteral("shoppingDescription"));
    m_coupon->setObjectName(QStringLiteral("shoppingCoupon"));
    auto* stores = new QPushButton(tr("Stores"), this);
    stores->setObjectName(QStringLiteral("storesButton"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Description:"), m_description, this), 0, 0);
    grid->addWidget(m_description, 0, 1, 1, 3);
    m_quantity = AddNumberRow(1, tr("&Qty/Amount:"), QStringLiteral("shoppingQuantity"));
    grid->addWidget(BuddyLabel(tr("U&nit:"), m_unit, this), 1, 2);
    grid->addWidget(m_unit, 1, 3);
    grid->addWidget(BuddyLabel(tr("&Store:"), m_store, this), 2, 0);
    grid->addWidget(m_store, 2, 1, 1, 2);
    grid->addWidget(stores, 2, 3);
    grid->addWidget(BuddyLabel(tr("&Aisle:"), m_aisle, this), 3, 0);
    grid->addWidget(m_aisle, 3, 1);
    m_price = AddNumberRow(4, tr("&Price:"), QStringLiteral("shoppingPrice"));
    grid->addWidget(m_coupon, 4, 2, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    FillComboFromString(m_unit, QString(), IDS_SHOPPING_UNITS);
    m_unit->model()->sort(0);
    for (int aisle = 1; aisle <= kAisles; ++aisle) {
        m_aisle->addItem(QString::number(aisle));
    }
    FillStores(item.GetStore());

    m_description->setText(item.GetDescription());
    WritePlainNumber(m_quantity, item.GetQuantity());
    m_unit->setEditText(item.GetUnit());
    m_aisle->setEditText(item.GetAisle());
    WriteNumber(m_price, item.GetPrice());
    m_coupon->setChecked(item.UsesCoupon());

    connect(stores, &QPushButton::clicked, this, &CDlgShoppingItem::OnStores);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgShoppingItem::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgShoppingItem::reject);
}

// A number edit with its up-down: the arrows step by one.
QLineEdit* CDlgShoppingItem::AddNumberRow(int row, const QString& caption, const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    auto* upDown = new QHBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(edit, 1);
    for (const auto& [arrow, step] : {std::pair{Qt::UpArrow, 1.0f}, std::pair{Qt::DownArrow, -1.0f}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAccessibleName(step > 0 ? tr("Up") : tr("Down"));
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, edit, [edit, step = step] { StepNumber(edit, step); });
        upDown->addWidget(button);
    }
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(BuddyLabel(caption, edit, this), row, 0);
    grid->addLayout(upDown, row, 1);
    return edit;
}

QStringList CDlgShoppingItem::KnownStores()
{
    QStringList stores =
        ColumnTexts(QStringLiteral("SELECT Description FROM Categories WHERE CategoryType=%1;")
                        .arg(kStoreCategories)) +
        ColumnTexts(
            QStringLiteral("SELECT DISTINCT Vendor FROM Tasks WHERE TaskType=%1;").arg(CTask::kShoppingType));
    std::sort(stores.begin(), stores.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const auto same = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    stores.erase(std::unique(stores.begin(), stores.end(), same), stores.end());
    return stores;
}

void CDlgShoppingItem::FillStores(const QString& store)
{
    m_store->clear();
    m_store->addItems(KnownStores());
    m_store->setEditText(store);
}

void CDlgShoppingItem::OnStores()
{
    if (!m_chooser) {
        return;
    }
    // The dialog opens on the store category of the name typed, when there is one.
    long current = 0;
    CADORecordset rows(AppDatabase());
    QString name = m_store->currentText();
    const QString sql =
        QStringLiteral("SELECT CategoryId FROM Categories WHERE CategoryType=%1 AND Description='%2';")
            .arg(kStoreCategories)
            .arg(name.replace(QLatin1Char('\''), QStringLiteral("''")));
    if (rows.Open(sql) && !rows.IsEof()) {
        rows.GetFieldValue(0, current);
    }
    rows.Close();
    const long id = m_chooser(this, kStoreCategories, current, tr("Select Store"));
    const QString chosen = id > 0 ? LookupField(id, QStringLiteral("Categories"),
                                                QStringLiteral("CategoryId"), QStringLiteral("Description"))
                                  : QString();
    FillStores(chosen.isEmpty() ? m_store->currentText() : chosen);
}

void CDlgShoppingItem::accept()
{
    float quantity = 0.0f;
    float price = 0.0f;
    if (!ReadNumber(m_quantity, quantity) || !ReadNumber(m_price, price) ||
        !CheckDescription(m_description->text(), m_description, tr("Please enter the item to buy."))) {
        return;
    }
    m_item.SetDescription(m_description->text());
    m_item.SetPrice(price);
    m_item.SetStore(m_store->currentText().trimmed());
    m_item.SetQuantity(quantity);
    m_item.SetAisle(m_aisle->currentText().trimmed());
    m_item.SetUsesCoupon(m_coupon->isChecked());
    m_item.SetUnit(m_unit->currentText().trimmed());
    QDialog::accept();
}
