#pragma once

#include <QAccessibleWidget>

class CLabel;

// What assistive technology learns of a link label: a link named by its text, with a press action
// that does what a click does.
class CLinkAccessible final : public QAccessibleWidget
{
public:
    explicit CLinkAccessible(CLabel* label);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes link labels known to the accessibility layer; once is enough.
    static void Install();

private:
    CLabel* Label() const;
};
