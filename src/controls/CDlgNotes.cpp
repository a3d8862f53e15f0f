#include "controls/CDlgNotes.h"

#include "controls/CLabel.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QFont DefaultBoldFont()
{
    QFont font = CLabel::DefaultFont();
    font.setBold(true);
    return font;
}

} // namespace

CDlgNotes::CDlgNotes(QWidget* parent)
    : CPropertyPage(tr("Notes"), parent), m_label(new QLabel(tr("Additional Details and &Notes:"), this)),
      m_edit(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("notesPage"));
    m_label->setObjectName(QStringLiteral("notesLabel"));
    m_edit->setObjectName(QStringLiteral("notesEdit"));
    m_label->setBuddy(m_edit);
    m_label->setFont(DefaultBoldFont());
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the field as in every other field of the sheet; Enter makes a new line.
    m_edit->setTabChangesFocus(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_edit, 1);
}

void CDlgNotes::SetLabelFont(const QFont& font)
{
    m_label->setFont(font);
}

bool CDlgNotes::DoDataExchange(bool save)
{
    if (!save) {
        m_edit->setPlainText(m_notes);
        m_shownNotes = m_edit->toPlainText();
        return true;
    }
    // Notes stored with other line ends stay byte for byte as they were unless they were edited.
    const QString text = m_edit->toPlainText();
    if (text != m_shownNotes)
        m_notes = text;
    return true;
}
