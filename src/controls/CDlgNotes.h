#pragma once

#include "controls/CPropertyPage.h"

class QFont;
class QLabel;
class QPlainTextEdit;

// The "Notes" page the record sheets share: one large text field for free notes.
class CDlgNotes final : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CDlgNotes(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgNotes)

    void SetNotes(const QString& notes) { m_notes = notes; }
    QString GetNotes() const { return m_notes; }
    // The label above the notes is drawn in the main frame's bold font when it hands one over.
    void SetLabelFont(const QFont& font);

protected:
    bool DoDataExchange(bool save) override;

private:
    QString m_notes;
    // The notes as the field showed them when filled, to tell an edit from a line-end rewrite.
    QString m_shownNotes;
    QLabel* m_label;
    QPlainTextEdit* m_edit;
};
