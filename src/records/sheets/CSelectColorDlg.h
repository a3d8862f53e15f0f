#pragma once

#include <QDialog>

class CLabel;
class QGridLayout;
class QLineEdit;
class QSlider;
class QSpinBox;

// The "Select Color" dialog: a colour mixed from red, green and blue, each set on a track bar or in
// an edit with an up-down (0 to 255, kept in step both ways), shown in a large preview, with the
// description of what the colour belongs to.
class CSelectColorDlg final : public QDialog
{
    Q_OBJECT
public:
    // `color` is a red-green-blue word (red in the low byte).
    CSelectColorDlg(long color, const QString& description, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CSelectColorDlg)

    // red + green * 256 + blue * 65536, from the dialog's current components.
    long GetColor() const;
    QString GetDescription() const;

private:
    // One component's track bar and edit.
    struct Component
    {
        QSlider* slider;
        QSpinBox* edit;
    };
    Component AddComponentRow(QGridLayout* grid, int row, const QString& caption, const QString& name,
                              int value);
    void UpdatePreview();

    CLabel* m_preview;
    Component m_red{};
    Component m_green{};
    Component m_blue{};
    QLineEdit* m_descriptionEdit;
};
