#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// A text label in its own font, colour and background: view titles, coloured example texts and
// clickable lines. A link label underlines itself while the mouse is over it. A click reaches the
// owner through clicked() with the label's control id; the label does nothing else with it.
class CLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CLabel(QWidget* parent = nullptr);
    CLabel(int controlId, const QString& text, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CLabel)

    void SetControlId(int controlId) { m_controlId = controlId; }
    int GetControlId() const { return m_controlId; }

    // These redraw the label at once.
    void SetTextColor(const QColor& colour);
    QColor GetTextColor() const { return m_textColour; }
    void SetFontBold(bool bold);
    void SetFontUnderline(bool underline);
    // Character height in pixels.
    void SetFontSize(int pixels);
    // Takes effect the next time the label is drawn. Until it is set, the label takes the
    // background of the window it sits on, whenever that window's background changes.
    void SetBkColor(const QColor& colour);
    QColor GetBkColor() const;
    // Fits the label to its text, lines being separated by "\r\n".
    void SizeToText();

    // A link label underlines itself while the mouse is over it. It also takes the focus in Tab
    // order, shows it, answers Enter and Space as a click and tells assistive technology it is a link.
    void SetLink(bool link);
    bool IsLink() const { return m_link; }
    bool IsHovering() const { return m_hover; }

    // The shared looks: heading (RGB(55, 96, 157), bold), plain bold black, link (navy, underlined).
    static void ApplyHeadingStyle(CLabel& label);
    static void ApplyPlainBoldStyle(CLabel& label);
    static void ApplyLinkStyle(CLabel& label);
    // The default GUI font asking for Verdana, with the system's sans serif where it is missing.
    static QFont DefaultFont();

    // What a click does: emits clicked() with the control id. Keys and assistive technology use it.
    void Activate();

signals:
    void clicked(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyFont();
    // Keeps the text readable on whatever the label is drawn on, in light and dark themes.
    void ApplyTextColour();

    int m_controlId = 0;
    QColor m_textColour;
    QColor m_background; // invalid until set: the window's own background
    QFont m_fontDescription;
    bool m_link = false;
    bool m_tracking = false;
    bool m_hover = false;
};
