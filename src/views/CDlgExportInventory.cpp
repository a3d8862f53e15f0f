#include "views/CDlgExportInventory.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/ui/CWaitCursor.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"
#include "views/InventoryCsv.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kAssetCategories = 1;

QLabel* Explanation(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

CDlgExportInventory::CDlgExportInventory(long homeId, const QString& homeDescription, QWidget* parent)
    : QDialog(parent), m_homeId(homeId), m_homeDescription(homeDescription), m_list(new CAutoListCtrl(this))
{
    setObjectName(QStringLiteral("exportInventoryDialog"));
    setWindowTitle(tr("Export Inventory Data"));
    auto* heading = new CLabel(1000, tr("Export Assets from these &Categories:"), this);
    CLabel::ApplyHeadingStyle(*heading);
    heading->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("exportCategories"));
    m_list->setAccessibleName(tr("Categories to export"));
    m_list->InsertColumn(0, tr("Category"), LVCFMT_LEFT, 200);
    m_list->setMinimumSize(220, 220);

    auto* side = new QVBoxLayout;
    const struct
    {
        QString text;
        const char* name;
        void (CDlgExportInventory::*handler)();
    } buttons[] = {{tr("Select &All"), "selectAll", &CDlgExportInventory::OnSelectAll},
                   {tr("Select &None"), "selectNone", &CDlgExportInventory::OnSelectNone}};
    for (const auto& button : buttons) {
        auto* push = new QPushButton(button.text, this);
        push->setObjectName(QString::fromLatin1(button.name));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, button.handler);
        side->addWidget(push);
    }
    side->addStretch(1);
    auto* box = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* exportButton = box->addButton(tr("E&xport Data"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("exportData"));
    exportButton->setDefault(true);
    box->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &CDlgExportInventory::OnExport);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(box);

    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Explanation(
        tr("This feature enables you to export your Home Inventory data to a Comma Separated Values (CSV) "
           "file. It may be useful to do this for backup, reporting or archival purposes."),
        this));
    layout->addWidget(heading);
    layout->addLayout(row, 1);
    layout->addWidget(Explanation(tr("The CSV file can easily be edited and printed using Microsoft Excel "
                                     "or other spreadsheet applications."),
                                  this));
    FillCategories();
}

void CDlgExportInventory::FillCategories()
{
    CWaitCursor wait;
    m_list->SetRedraw(false);
    m_list->DeleteAllItems();
    m_list->SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    CADORecordset rows(AppDatabase());
    if (rows.Open(QStringLiteral("SELECT CategoryId, Description FROM Categories WHERE CategoryType=%1 "
                                 "ORDER BY Description;")
                      .arg(kAssetCategories))) {
        for (; !rows.IsEof(); rows.MoveNext()) {
            long id = 0;
            QString name;
            rows.GetFieldValue(0, id);
            rows.GetFieldValue(1, name);
            const int row = m_list->InsertItem(m_list->GetItemCount(), name);
            m_list->SetItemData(row, id);
        }
    }
    CheckAll(true);
    m_list->SetRedraw(true);
}

void CDlgExportInventory::CheckAll(bool checked)
{
    for (int row = 0; row < m_list->GetItemCount(); ++row) {
        m_list->SetCheck(row, checked);
    }
}

QSet<long> CDlgExportInventory::GetExcludedCategories() const
{
    QSet<long> excluded;
    for (int row = 0; row < m_list->GetItemCount(); ++row) {
        if (!m_list->GetCheck(row)) {
            excluded.insert(m_list->GetItemData(row));
        }
    }
    return excluded;
}

void CDlgExportInventory::OnExport()
{
    FileRequest request;
    request.owner = this;
    request.save = true;
    request.filter = tr("CSV Files (*.csv)|*.csv|");
    request.defaultName = m_homeDescription + tr(" Inventory");
    request.defaultExtension = QStringLiteral("csv");
    request.promptOverwrite = true;
    const QString chosen = Prompt().ChooseFile(request);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = QFileInfo(chosen).absoluteFilePath();
    {
        CWaitCursor wait;
        if (!WriteInventoryCsv(path, m_homeId, m_homeDescription, GetExcludedCategories())) {
            ShowMessage(this,
                        tr("I'm afraid there was an error creating that file. Please make sure the file is "
                           "not in use and try again."),
                        AppName(), MessageIcon::Exclamation);
            return;
        }
    }
    const QString question = QLatin1Char('"') + path + QLatin1Char('"') +
                             tr(" has been created.\n\nWould you like to open it now?");
    if (ShowMessage(this, question, AppName(), MessageIcon::Question, MessageButtons::YesNo) == IDYES) {
        Prompt().ShellOpen(path);
    }
    accept();
}
