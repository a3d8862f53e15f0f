#include "records/sheets/PageLabels.h"

#include "controls/CLabel.h"
#include "controls/Theme.h"

CLabel* ExampleLabel(const QString& text, QWidget* parent, QWidget* describes)
{
    if (describes)
        describes->setAccessibleDescription(text);
    auto* label = new CLabel(0, text, parent);
    label->SetTextColor(Theme::HeadingColor());
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
