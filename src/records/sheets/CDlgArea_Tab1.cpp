#include "records/sheets/CDlgArea_Tab1.h"

#include "controls/CLabel.h"
#include "data/ui/ComboFillers.h"
#include "records/CArea.h"
#include "records/sheets/DescriptionCheck.h"
#include "records/sheets/PageLabels.h"
#include "res/StringIds.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// Whole numbers only; feet enough for any building, inches as a person would type them.
constexpr int kFeetDigits = 5;
constexpr int kInchDigits = 2;
constexpr int kNumberWidth = 64;

QLineEdit* NumberEdit(int digits, const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    edit->setMaxLength(digits);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(kNumberWidth);
    return edit;
}

} // namespace

CDlgArea_Tab1::CDlgArea_Tab1(CArea& area, QWidget* parent)
    : CPropertyPage(tr("Details"), parent), m_area(area), m_descriptionCombo(new QComboBox(this))
{
    setObjectName(QStringLiteral("areaDetailsPage"));
    m_descriptionCombo->setObjectName(QStringLiteral("areaDescription"));
    m_descriptionCombo->setEditable(true);
    m_descriptionCombo->setInsertPolicy(QComboBox::NoInsert);
    FillComboFromString(m_descriptionCombo, QString(), IDS_LOCATION_NAMES);

    auto* example = ExampleLabel(QStringLiteral("(e.g: Living Room)"), this, m_descriptionCombo);
    example->setObjectName(QStringLiteral("areaExample"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(QStringLiteral("&Description:"), m_descriptionCombo, this), 0, 0);
    grid->addWidget(m_descriptionCombo, 0, 1, 1, 5);
    grid->addWidget(example, 1, 1, 1, 5);
    m_length = AddDimensionRow(2, QStringLiteral("&Length:"), QStringLiteral("length"));
    m_width = AddDimensionRow(3, QStringLiteral("&Width:"), QStringLiteral("width"));
    m_height = AddDimensionRow(4, QStringLiteral("&Height:"), QStringLiteral("height"));
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(5, 1);
}

CDlgArea_Tab1::Dimension CDlgArea_Tab1::AddDimensionRow(int row, const QString& caption, const QString& name)
{
    Dimension edits{NumberEdit(kFeetDigits, name + QStringLiteral("Feet"), this),
                    NumberEdit(kInchDigits, name + QStringLiteral("Inches"), this)};
    QString plain = caption;
    plain.remove(QLatin1Char('&')).chop(1);
    edits.feet->setAccessibleName(tr("%1, feet").arg(plain));
    edits.inches->setAccessibleName(tr("%1, inches").arg(plain));
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(BuddyLabel(caption, edits.feet, this), row, 0);
    grid->addWidget(edits.feet, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("ft."), this), row, 2);
    grid->addWidget(edits.inches, row, 3);
    grid->addWidget(new QLabel(QStringLiteral("in."), this), row, 4);
    return edits;
}

void CDlgArea_Tab1::OnInitDialog()
{
    if (m_area.GetDescription().isEmpty()) {
        m_area.SetDescription(tr("New Location"));
        m_descriptionCombo->setEditText(m_area.GetDescription());
    }
}

void CDlgArea_Tab1::WriteDimension(const Dimension& edits, long inches)
{
    edits.feet->setText(QString::number(inches / 12));
    edits.inches->setText(QString::number(inches % 12));
}

long CDlgArea_Tab1::ReadDimension(const Dimension& edits)
{
    // The validators let only digits through, so an empty edit is the one that reads as 0.
    return edits.feet->text().toLong() * 12 + edits.inches->text().toLong();
}

bool CDlgArea_Tab1::DoDataExchange(bool save)
{
    if (!save) {
        m_descriptionCombo->setEditText(m_area.GetDescription());
        WriteDimension(m_length, m_area.GetLength());
        WriteDimension(m_width, m_area.GetWidth());
        WriteDimension(m_height, m_area.GetHeight());
        return true;
    }
    m_area.SetDescription(m_descriptionCombo->currentText());
    m_area.SetLength(ReadDimension(m_length));
    m_area.SetWidth(ReadDimension(m_width));
    m_area.SetHeight(ReadDimension(m_height));
    return true;
}

bool CDlgArea_Tab1::OnKillActive()
{
    return CPropertyPage::OnKillActive() &&
           CheckDescription(m_area.GetDescription(), m_descriptionCombo->lineEdit(),
                            tr("Please enter a description for this location."));
}
