#include "records/sheets/CDlgArea_Colors.h"

#include "controls/CLabel.h"
#include "controls/Theme.h"
#include "platform/CPrompt.h"
#include "records/sheets/CSelectColorDlg.h"
#include "records/sheets/ColorWord.h"
#include "records/sheets/PageLabels.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

// The swatch text, a grey that reads on white and on most colours a wall is painted.
const QColor kSwatchText = ColorFromWord(0xA4A0A0);
constexpr int kSwatchTextPixels = 11;
constexpr int kSwatchWidth = 110;
constexpr int kSwatchHeight = 80;
constexpr int kSwatchGap = 12;
constexpr int kSwatchMargin = 6;
// A swatch's frame, thicker while it has the focus.
constexpr int kFrame = 1;
constexpr int kFocusFrame = 3;

} // namespace

CDlgArea_Colors::CDlgArea_Colors(CArea& area, QWidget* parent)
    : CPropertyPage(tr("Colors"), parent), m_area(area)
{
    setObjectName(QStringLiteral("areaColorsPage"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(kSwatchGap);
    for (int i = 0; i < CArea::kColorCount; ++i) {
        m_captions[i] = new QLabel(tr("Color %1:").arg(i + 1), this);
        m_captions[i]->setObjectName(QStringLiteral("colorCaption%1").arg(i + 1));
        m_captions[i]->setFont(Theme::BoldFont());
        m_swatches[i] = new CLabel(i + 1, QString(), this);
        CLabel* swatch = m_swatches[i];
        swatch->setObjectName(QStringLiteral("colorSwatch%1").arg(i + 1));
        swatch->setMinimumSize(kSwatchWidth, kSwatchHeight);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setWordWrap(true);
        swatch->setMargin(kSwatchMargin);
        swatch->SetTextColor(kSwatchText);
        swatch->SetFontSize(kSwatchTextPixels);
        swatch->setCursor(Qt::PointingHandCursor);
        // Reached with Tab and opened with Space or Enter, as a button would be.
        swatch->setFocusPolicy(Qt::StrongFocus);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->installEventFilter(this);
        connect(swatch, &CLabel::clicked, this, [this](int controlId) { ChangeColor(controlId - 1); });
        grid->addWidget(m_captions[i], 0, i);
        grid->addWidget(swatch, 1, i);
    }
    // In the blue of the pages' example texts.
    auto* help = ExampleLabel(tr("This feature helps you remember the colors of walls, curtains, panels, "
                                 "floors etc. of each room or location in your home. Use it when shopping "
                                 "for matching furniture or paint."),
                              this);
    help->setObjectName(QStringLiteral("colorsHelp"));
    help->setWordWrap(true);
    grid->setRowMinimumHeight(2, kSwatchGap);
    grid->addWidget(help, 3, 0, 1, CArea::kColorCount);
    grid->setRowStretch(4, 1);
}

bool CDlgArea_Colors::DoDataExchange(bool save)
{
    // The colours change only through "Select Color", which writes them into the location at once.
    if (!save) {
        for (int i = 0; i < CArea::kColorCount; ++i) {
            ShowColor(i);
        }
    }
    return true;
}

void CDlgArea_Colors::ShowColor(int index)
{
    const long color = m_area.GetColor(index);
    const QString label = m_area.GetLabel(index);
    m_captions[index]->setText(label);
    CLabel* swatch = m_swatches[index];
    swatch->SetBkColor(ColorFromWord(color));
    swatch->setText(color == CArea::kWhite ? tr("Click to change color") : QString());
    swatch->setAccessibleName(tr("%1 color").arg(label));
    swatch->setAccessibleDescription(tr("Press Space to change the color"));
    swatch->update();
}

void CDlgArea_Colors::ChangeColor(int index)
{
    if (index < 0 || index >= CArea::kColorCount) {
        return;
    }
    CSelectColorDlg dialog(m_area.GetColor(index), m_area.GetLabel(index), this);
    if (Prompt().RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    m_area.SetColor(index, dialog.GetColor());
    m_area.SetLabel(index, dialog.GetDescription());
    ShowColor(index);
}

bool CDlgArea_Colors::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto* swatch = qobject_cast<CLabel*>(watched)) {
            swatch->setLineWidth(event->type() == QEvent::FocusIn ? kFocusFrame : kFrame);
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int i = 0; i < CArea::kColorCount; ++i) {
                if (watched == m_swatches[i]) {
                    ChangeColor(i);
                    return true;
                }
            }
        }
    }
    return CPropertyPage::eventFilter(watched, event);
}
