#pragma once

#include "controls/CPropertyPage.h"

class CHome;
class QLineEdit;
class QPlainTextEdit;

// The "Details" page of the home sheet: the home's name, current value and address.
class CDlgHome_Tab1 final : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CDlgHome_Tab1(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgHome_Tab1)

    void LoadFrom(const CHome& home);
    // Copies description, current value and address into the home.
    void StoreTo(CHome& home) const;

    bool OnKillActive() override;

protected:
    bool DoDataExchange(bool save) override;

private:
    QString m_description;
    QString m_address;
    float m_currentValue = 0.0f;
    // The address as the field showed it when filled, to tell an edit from a line-end rewrite.
    QString m_shownAddress;

    QLineEdit* m_descriptionEdit;
    QLineEdit* m_valueEdit;
    QPlainTextEdit* m_addressEdit;
};
