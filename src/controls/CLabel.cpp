#include "controls/CLabel.h"

#include "controls/CLinkAccessible.h"
#include "controls/Theme.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

CLabel::CLabel(QWidget* parent)
    : QLabel(parent), m_textColour(palette().color(QPalette::WindowText)), m_fontDescription(DefaultFont())
{
    setFont(m_fontDescription);
}

CLabel::CLabel(int controlId, const QString& text, QWidget* parent) : CLabel(parent)
{
    m_controlId = controlId;
    setText(text);
}

QFont CLabel::DefaultFont()
{
    QFont font = QApplication::font();
    font.setFamilies(
        {QStringLiteral("Verdana"), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void CLabel::SetTextColor(const QColor& colour)
{
    m_textColour = colour;
    ApplyTextColour();
    repaint();
}

void CLabel::ApplyTextColour()
{
    QColor background = GetBkColor();
    if (background.alpha() == 0 && parentWidget())
        background = parentWidget()->palette().color(parentWidget()->backgroundRole());
    const QColor readable = Theme::ReadableOn(m_textColour, background);
    if (palette().color(QPalette::WindowText) == readable)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, readable);
    setPalette(colours);
}

void CLabel::SetLink(bool link)
{
    m_link = link;
    setFocusPolicy(link ? Qt::StrongFocus : Qt::NoFocus);
    if (link)
        CLinkAccessible::Install();
}

void CLabel::Activate()
{
    emit clicked(m_controlId);
}

void CLabel::SetFontBold(bool bold)
{
    m_fontDescription.setWeight(bold ? QFont::Bold : QFont::Normal);
    ApplyFont();
}

void CLabel::SetFontUnderline(bool underline)
{
    m_fontDescription.setUnderline(underline);
    ApplyFont();
}

void CLabel::SetFontSize(int pixels)
{
    if (pixels > 0)
        m_fontDescription.setPixelSize(pixels);
    ApplyFont();
}

void CLabel::SetBkColor(const QColor& colour)
{
    m_background = colour;
    ApplyTextColour();
}

QColor CLabel::GetBkColor() const
{
    return m_background.isValid() ? m_background : palette().color(QPalette::Window);
}

void CLabel::SizeToText()
{
    const QFontMetrics metrics(font());
    const QStringList lines = text().split(QStringLiteral("\r\n"));
    int widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int textHeight = (metrics.height() + metrics.leading()) * int(lines.size());
    const QRect client = contentsRect();
    resize(widest + width() - client.width(), textHeight + height() - client.height());
}

void CLabel::ApplyHeadingStyle(CLabel& label)
{
    label.SetTextColor(Theme::HeadingColor());
    label.SetFontBold(true);
}

void CLabel::ApplyPlainBoldStyle(CLabel& label)
{
    label.SetTextColor(QColor(0, 0, 0));
    label.SetFontBold(true);
}

void CLabel::ApplyLinkStyle(CLabel& label)
{
    label.SetTextColor(QColor(0, 0, 128));
    label.SetFontUnderline(true);
}

void CLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), GetBkColor());
    }
    QLabel::paintEvent(event);
    if (m_link && hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = GetBkColor();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (m_link && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        Activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void CLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
}

void CLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange)
        ApplyTextColour();
}

void CLabel::enterEvent(QEnterEvent* event)
{
    if (m_link && !m_tracking) {
        m_tracking = true;
        m_hover = true;
        SetFontUnderline(true);
    }
    QLabel::enterEvent(event);
}

void CLabel::leaveEvent(QEvent* event)
{
    if (m_link) {
        m_tracking = false;
        if (m_hover) {
            m_hover = false;
            SetFontUnderline(false);
        }
    }
    QLabel::leaveEvent(event);
}

void CLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Activate();
}

void CLabel::ApplyFont()
{
    setFont(m_fontDescription);
    repaint();
}
