#include "records/sheets/CDlgTaskItem.h"

#include "controls/CLabel.h"
#include "data/ui/ComboFillers.h"
#include "records/CTask.h"
#include "records/sheets/DescriptionCheck.h"
#include "records/sheets/PageLabels.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kTaskCategories = 2;
} // namespace

CDlgTaskItem::CDlgTaskItem(CTask& task, CategoryChooser chooser, QWidget* parent)
    : CPropertyPage(tr("Details"), parent), m_task(task), m_chooser(std::move(chooser)),
      m_description(new QLineEdit(this)), m_category(new QComboBox(this)), m_contact(new QLineEdit(this)),
      m_phone(new QLineEdit(this))
{
    setObjectName(QStringLiteral("taskDetailsPage"));
    m_description->setObjectName(QStringLiteral("taskDescription"));
    m_category->setObjectName(QStringLiteral("taskCategory"));
    m_contact->setObjectName(QStringLiteral("taskContact"));
    m_phone->setObjectName(QStringLiteral("taskPhone"));
    auto* categories = new QPushButton(tr("C&ategories"), this);
    categories->setObjectName(QStringLiteral("categoriesButton"));

    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(categories);
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Description:"), m_description, this), 0, 0);
    grid->addWidget(m_description, 0, 1);
    grid->addWidget(ExampleLabel(tr("(e.g: repair garage door)"), this), 1, 1);
    grid->addWidget(BuddyLabel(tr("&Category:"), m_category, this), 2, 0);
    grid->addLayout(categoryRow, 2, 1);
    grid->addWidget(BuddyLabel(tr("Co&ntact:"), m_contact, this), 3, 0);
    grid->addWidget(m_contact, 3, 1);
    grid->addWidget(ExampleLabel(tr("(e.g: John's Remodeling Co.)"), this), 4, 1);
    grid->addWidget(BuddyLabel(tr("&Phone #:"), m_phone, this), 5, 0);
    grid->addWidget(m_phone, 5, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    connect(categories, &QPushButton::clicked, this, &CDlgTaskItem::OnCategories);
}

void CDlgTaskItem::OnInitDialog()
{
    FillCategoryCombo(m_category, m_task.GetCategoryId(), kTaskCategories, true);
}

bool CDlgTaskItem::DoDataExchange(bool save)
{
    if (!save) {
        m_description->setText(m_task.GetDescription());
        m_contact->setText(m_task.GetContact());
        m_phone->setText(m_task.GetPhone());
        return true;
    }
    m_task.SetDescription(m_description->text());
    m_task.SetContact(m_contact->text());
    m_task.SetPhone(m_phone->text());
    return true;
}

bool CDlgTaskItem::OnKillActive()
{
    return CPropertyPage::OnKillActive() && CheckDescription(m_task.GetDescription(), m_description,
                                                             tr("Please enter a description for this task."));
}

void CDlgTaskItem::OnOK()
{
    m_task.SetCategoryId(SelectedCategory());
}

long CDlgTaskItem::SelectedCategory() const
{
    return m_category->currentData().toInt();
}

void CDlgTaskItem::OnCategories()
{
    if (!m_chooser) {
        return;
    }
    const long id = m_chooser(this, kTaskCategories, SelectedCategory(), tr("Select Category"));
    FillCategoryCombo(m_category, id, kTaskCategories, true);
}
