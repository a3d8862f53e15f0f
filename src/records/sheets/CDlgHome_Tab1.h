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
    // The page fills its fields from the home and writes them back into it when left.
    explicit CDlgHome_Tab1(CHome& home, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgHome_Tab1)

    bool OnKillActive() override;

protected:
    bool DoDataExchange(bool save) override;

private:
    CHome& m_home;
    // The address as the field showed it when filled, to tell an edit from a line-end rewrite.
    QString m_shownAddress;

    QLineEdit* m_descriptionEdit;
    QLineEdit* m_valueEdit;
    QPlainTextEdit* m_addressEdit;
};
