#include "records/PageLabels.h"

#include "controls/CLabel.h"

CLabel* ExampleLabel(const QString& text, QWidget* parent)
{
    auto* label = new CLabel(0, text, parent);
    label->SetTextColor(QColor(55, 96, 157));
    // The page shows through, whatever the style paints pages with.
    label->SetBkColor(Qt::transparent);
    return label;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
