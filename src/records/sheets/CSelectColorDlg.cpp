#include "records/sheets/CSelectColorDlg.h"

#include "controls/CLabel.h"
#include "records/sheets/ColorWord.h"
#include "records/sheets/PageLabels.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kComponentMax = 255;
constexpr int kPreviewHeight = 120;
constexpr int kPreviewWidth = 260;
} // namespace

CSelectColorDlg::CSelectColorDlg(long color, const QString& description, QWidget* parent)
    : QDialog(parent), m_preview(new CLabel(this)), m_descriptionEdit(new QLineEdit(description, this))
{
    setObjectName(QStringLiteral("selectColorDlg"));
    setWindowTitle(tr("Select Color"));
    m_preview->setObjectName(QStringLiteral("colorPreview"));
    m_preview->setMinimumSize(kPreviewWidth, kPreviewHeight);
    m_preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_preview->setAccessibleName(tr("Color preview"));
    m_descriptionEdit->setObjectName(QStringLiteral("colorDescription"));

    const QColor start = ColorFromWord(color);
    auto* grid = new QGridLayout;
    m_red = AddComponentRow(grid, 0, tr("&Red:"), QStringLiteral("red"), start.red());
    m_green = AddComponentRow(grid, 1, tr("&Green:"), QStringLiteral("green"), start.green());
    m_blue = AddComponentRow(grid, 2, tr("&Blue:"), QStringLiteral("blue"), start.blue());
    const int descriptionRow = 3;
    grid->addWidget(BuddyLabel(tr("&Description:"), m_descriptionEdit, this), descriptionRow, 0);
    grid->addWidget(m_descriptionEdit, descriptionRow, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_preview, 1);
    column->addLayout(grid);
    column->addWidget(buttons);
    UpdatePreview();
}

CSelectColorDlg::Component CSelectColorDlg::AddComponentRow(QGridLayout* grid, int row,
                                                            const QString& caption, const QString& name,
                                                            int value)
{
    Component component{new QSlider(Qt::Horizontal, this), new QSpinBox(this)};
    component.slider->setObjectName(name + QStringLiteral("Slider"));
    component.edit->setObjectName(name + QStringLiteral("Edit"));
    component.slider->setRange(0, kComponentMax);
    component.edit->setRange(0, kComponentMax);
    component.slider->setValue(value);
    component.edit->setValue(value);
    QString plain = caption;
    plain.remove(QLatin1Char('&')).chop(1);
    component.edit->setAccessibleName(plain);
    // Each follows the other; setting the value a control already has changes nothing, so the
    // pair cannot chase itself.
    connect(component.slider, &QSlider::valueChanged, component.edit, &QSpinBox::setValue);
    connect(component.edit, &QSpinBox::valueChanged, component.slider, &QSlider::setValue);
    connect(component.slider, &QSlider::valueChanged, this, &CSelectColorDlg::UpdatePreview);

    grid->addWidget(BuddyLabel(caption, component.slider, this), row, 0);
    grid->addWidget(component.slider, row, 1);
    grid->addWidget(component.edit, row, 2);
    return component;
}

long CSelectColorDlg::GetColor() const
{
    return ColorWord(m_red.edit->value(), m_green.edit->value(), m_blue.edit->value());
}

QString CSelectColorDlg::GetDescription() const
{
    return m_descriptionEdit->text();
}

void CSelectColorDlg::UpdatePreview()
{
    m_preview->SetBkColor(ColorFromWord(GetColor()));
    m_preview->update();
}
