#include "records/sheets/CDlgAsset_Tab1.h"

#include "controls/CLabel.h"
#include "data/ui/ComboFillers.h"
#include "records/CAsset.h"
#include "records/sheets/DescriptionCheck.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kAssetCategories = 1;
} // namespace

CDlgAsset_Tab1::CDlgAsset_Tab1(CAsset& asset, CategoryChooser chooser, QWidget* parent)
    : CPropertyPage(tr("Details"), parent), m_asset(asset), m_chooser(std::move(chooser)),
      m_video(asset.IsVideoTitle()), m_descriptionEdit(new QLineEdit(this)),
      m_example(ExampleLabel(m_video ? tr("(e.g: The Godfather)") : tr("(e.g: Van Gogh painting)"), this,
                             m_descriptionEdit)),
      m_category(new QComboBox(this)), m_categoriesButton(new QPushButton(tr("C&ategories"), this)),
      m_locationLabel(nullptr), m_location(new QComboBox(this)), m_valueLabel(nullptr),
      m_valueEdit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("assetDetailsPage"));
    m_descriptionEdit->setObjectName(QStringLiteral("assetDescription"));
    m_example->setObjectName(QStringLiteral("assetExample"));
    m_category->setObjectName(QStringLiteral("assetCategory"));
    m_categoriesButton->setObjectName(QStringLiteral("categoriesButton"));
    m_location->setObjectName(QStringLiteral("assetLocation"));
    m_valueEdit->setObjectName(QStringLiteral("assetCurrentValue"));
    m_valueEdit->setAlignment(Qt::AlignRight);
    m_valueEdit->setMaximumWidth(140);
    m_locationLabel = BuddyLabel(tr("&Location:"), m_location, this);
    m_valueLabel = BuddyLabel(tr("Curr. &Value:"), m_valueEdit, this);

    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(m_categoriesButton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Description:"), m_descriptionEdit, this), 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1);
    grid->addWidget(m_example, 1, 1);
    grid->addWidget(BuddyLabel(tr("Ca&tegory:"), m_category, this), 2, 0);
    grid->addLayout(categoryRow, 2, 1);
    grid->addWidget(m_locationLabel, 3, 0);
    grid->addWidget(m_location, 3, 1);
    grid->addWidget(m_valueLabel, 4, 0);
    grid->addWidget(m_valueEdit, 4, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    connect(m_categoriesButton, &QPushButton::clicked, this, &CDlgAsset_Tab1::OnCategories);
}

void CDlgAsset_Tab1::OnInitDialog()
{
    FillCategoryCombo(m_category, m_asset.GetCategoryId(), kAssetCategories, false);
    const QString areas =
        QStringLiteral("SELECT AreaId, Description FROM Areas WHERE HomeId=%1 ORDER BY Description;")
            .arg(m_asset.GetHomeId());
    FillComboFromQuery(m_location, m_asset.GetAreaId(), areas, false, tr("(optional)"));
    if (!m_video) {
        return;
    }
    m_category->setEnabled(false);
    m_categoriesButton->setEnabled(false);
    for (QWidget* hidden : {static_cast<QWidget*>(m_locationLabel), static_cast<QWidget*>(m_location),
                            static_cast<QWidget*>(m_valueLabel), static_cast<QWidget*>(m_valueEdit)}) {
        hidden->hide();
    }
}

bool CDlgAsset_Tab1::DoDataExchange(bool save)
{
    if (!save) {
        m_descriptionEdit->setText(m_asset.GetDescription());
        WriteNumber(m_valueEdit, m_asset.GetCurrentValue());
        return true;
    }
    m_asset.SetDescription(m_descriptionEdit->text());
    // A video title keeps its stored value, whatever the hidden field holds.
    if (m_video) {
        return true;
    }
    float value = m_asset.GetCurrentValue();
    if (!ReadNumber(m_valueEdit, value)) {
        return false;
    }
    m_asset.SetCurrentValue(value);
    return true;
}

bool CDlgAsset_Tab1::OnKillActive()
{
    return CPropertyPage::OnKillActive() &&
           CheckDescription(m_asset.GetDescription(), m_descriptionEdit,
                            tr("Please enter a description for this asset."));
}

void CDlgAsset_Tab1::OnOK()
{
    // A video title stays in the video library, wherever it is kept.
    if (m_video) {
        return;
    }
    m_asset.SetCategoryId(SelectedCategory());
    m_asset.SetAreaId(m_location->currentData().toInt());
}

long CDlgAsset_Tab1::SelectedCategory() const
{
    return m_category->currentData().toInt();
}

void CDlgAsset_Tab1::OnCategories()
{
    if (!m_chooser) {
        return;
    }
    const long id = m_chooser(this, kAssetCategories, SelectedCategory(), tr("Select Category"));
    FillCategoryCombo(m_category, id, kAssetCategories, false);
}
