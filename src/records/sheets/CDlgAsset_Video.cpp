#include "records/sheets/CDlgAsset_Video.h"

#include "controls/CLabel.h"
#include "data/ui/ComboFillers.h"
#include "platform/CPrompt.h"
#include "records/CAsset.h"
#include "records/sheets/DatePickers.h"
#include "records/sheets/PageLabels.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

CDlgAsset_Video::CDlgAsset_Video(CAsset& asset, QWidget* parent)
    : CPropertyPage(tr("Title Information"), parent), m_asset(asset), m_genre(new QComboBox(this)),
      m_year(new QSpinBox(this)), m_datePicker(new QDateEdit(this))
{
    setObjectName(QStringLiteral("assetVideoPage"));
    m_genre->setObjectName(QStringLiteral("genre"));
    m_year->setObjectName(QStringLiteral("releaseYear"));
    m_datePicker->setObjectName(QStringLiteral("purchaseDate"));
    m_genre->setEditable(true);
    m_genre->setInsertPolicy(QComboBox::NoInsert);
    // The year is typed freely and checked when the page is left, so the range message is the
    // user's guide rather than a silent clamp.
    m_year->setRange(0, 9999);
    m_year->setGroupSeparatorShown(false);
    m_year->setMaximumWidth(90);
    ConfigureDatePicker(m_datePicker);

    CLabel* tip = ExampleLabel(tr("Tip: Entering the correct genre and year will help you easily search for "
                                  "movies later. You may enter the cast, plot, rating and more information "
                                  "under Notes."),
                               this);
    tip->setObjectName(QStringLiteral("videoTip"));
    tip->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Genre:"), m_genre, this), 0, 0);
    grid->addWidget(m_genre, 0, 1);
    grid->addWidget(BuddyLabel(tr("&Release Year:"), m_year, this), 1, 0);
    grid->addWidget(m_year, 1, 1, Qt::AlignLeft);
    grid->addWidget(BuddyLabel(tr("&Purchase Date:"), m_datePicker, this), 2, 0);
    grid->addWidget(m_datePicker, 2, 1, Qt::AlignLeft);
    grid->addWidget(tip, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
}

void CDlgAsset_Video::OnInitDialog()
{
    FillComboFromString(m_genre, m_asset.GetMakeModel(), IDS_VIDEO_GENRES);
    m_genre->model()->sort(0);
    const int found = m_genre->findText(m_asset.GetMakeModel(), Qt::MatchFixedString);
    if (found >= 0) {
        m_genre->setCurrentIndex(found);
    } else {
        m_genre->setEditText(m_asset.GetMakeModel());
    }
}

bool CDlgAsset_Video::DoDataExchange(bool save)
{
    DateTimeValue purchased = m_asset.GetPurchaseDate();
    if (!save) {
        m_genre->setEditText(m_asset.GetMakeModel());
        m_year->setValue(m_asset.GetReleaseYear());
        ExchangeDate(m_datePicker, purchased, false);
        return true;
    }
    const int year = m_year->value();
    if (year < kFirstYear || year > kLastYear) {
        ShowMessage(this, tr("Please enter an integer between %1 and %2.").arg(kFirstYear).arg(kLastYear),
                    AppName(), MessageIcon::Exclamation);
        m_year->setFocus();
        m_year->selectAll();
        return false;
    }
    ExchangeDate(m_datePicker, purchased, true);
    m_asset.SetMakeModel(m_genre->currentText());
    m_asset.SetReleaseYear(year);
    m_asset.SetPurchaseDate(purchased);
    return true;
}
