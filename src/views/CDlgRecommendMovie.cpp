#include "views/CDlgRecommendMovie.h"

#include "controls/CAutoListCtrl.h"
#include "controls/Theme.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "data/ui/ComboFillers.h"
#include "platform/CPrompt.h"
#include "records/CAsset.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDlgRecommendMovie::CDlgRecommendMovie(QWidget* parent)
    : QDialog(parent), m_list(new CAutoListCtrl(this, CAutoListCtrl::SortHeaderStyle)),
      m_genreCombo(new QComboBox(this))
{
    setObjectName(QStringLiteral("recommendMovieDialog"));
    setWindowTitle(tr("Recommend Movie"));
    auto* intro = new QLabel(tr("This feature helps you search the videos or DVDs in your Home Inventory. "
                                "Please select a genre, and tap Search."),
                             this);
    intro->setWordWrap(true);
    auto* genreLabel = new QLabel(tr("&Genre:"), this);
    genreLabel->setBuddy(m_genreCombo);
    m_genreCombo->setObjectName(QStringLiteral("genre"));
    m_genreCombo->setEditable(true);
    m_genreCombo->setInsertPolicy(QComboBox::NoInsert);
    FillComboFromString(m_genreCombo, QStringLiteral("Romance"), IDS_VIDEO_GENRES);
    // Sorting keeps the selected genre current: the combo follows its item, not its row.
    m_genreCombo->model()->sort(0);

    m_list->setObjectName(QStringLiteral("movieList"));
    m_list->setAccessibleName(tr("Matching titles"));
    m_list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list->InsertColumn(0, tr("Year"), LVCFMT_LEFT, 50);
    m_list->InsertColumn(1, tr("Title"), LVCFMT_LEFT, 150);
    m_list->SetColumnType(0, LIST_COLUMN_NUMBER);
    m_list->setFont(Theme::SmallFont());
    m_list->setMinimumSize(240, 220);

    auto* search = new QPushButton(tr("&Search"), this);
    search->setObjectName(QStringLiteral("search"));
    search->setDefault(true);
    connect(search, &QPushButton::clicked, this, &CDlgRecommendMovie::OnSearch);
    auto* box = new QDialogButtonBox(this);
    box->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* genreRow = new QHBoxLayout;
    genreRow->addWidget(genreLabel);
    genreRow->addWidget(m_genreCombo, 1);
    genreRow->addWidget(search);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(genreRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(box);
}

void CDlgRecommendMovie::OnSearch()
{
    const QString genre = m_genreCombo->currentText();
    m_list->SetRedraw(false);
    m_list->DeleteAllItems();
    const int found = ListTitles(genre);
    m_list->SetRedraw(true);
    const QString text = found > 0 ? FormatNumber(float(found), false, false) + tr(" title(s) were found!")
                                   : LoadResString(IDS_NO_MATCHING_MOVIES);
    ShowMessage(this, text, AppName(), MessageIcon::Information);
}

int CDlgRecommendMovie::ListTitles(const QString& genre)
{
    CADORecordset rows(AppDatabase());
    if (!rows.Open(QStringLiteral("SELECT AssetId, Description, WarrantyExpiration, MakeModel FROM Assets "
                                  "WHERE CategoryId=%1 ORDER BY Description;")
                       .arg(CAsset::kVideoCategory))) {
        return 0;
    }
    int found = 0;
    for (; !rows.IsEof(); rows.MoveNext()) {
        QString makeModel;
        rows.GetFieldValue(QStringLiteral("MakeModel"), makeModel);
        if (!genre.isEmpty() && makeModel != genre) {
            continue;
        }
        long id = 0;
        QString title;
        DateTimeValue released;
        rows.GetFieldValue(QStringLiteral("AssetId"), id);
        rows.GetFieldValue(QStringLiteral("Description"), title);
        rows.GetFieldValue(QStringLiteral("WarrantyExpiration"), released);
        const int row = m_list->InsertItem(m_list->GetItemCount(), QString::number(released.ToDate().year()));
        m_list->SetItemText(row, 1, title);
        m_list->SetItemData(row, id);
        ++found;
    }
    return found;
}
