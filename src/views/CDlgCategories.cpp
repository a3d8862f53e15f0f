#include "views/CDlgCategories.h"

#include "controls/CAutoListCtrl.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/DataHelpers.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"
#include "views/CDlgCategoryName.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CDlgCategories::CDlgCategories(QWidget* parent) : QDialog(parent), m_list(new CAutoListCtrl(this))
{
    setObjectName(QStringLiteral("categoriesDialog"));
    setWindowTitle(tr("Categories"));
    m_list->setObjectName(QStringLiteral("categoriesList"));
    m_list->setAccessibleName(tr("Categories"));
    m_list->SetExtendedStyle(0x20);
    m_list->InsertColumn(0, tr("Categories"), LVCFMT_LEFT, 200);
    m_list->setMinimumSize(220, 300);

    auto* side = new QVBoxLayout;
    const struct
    {
        QString text;
        const char* name;
        void (CDlgCategories::*handler)();
    } buttons[] = {{tr("&New"), "newCategory", &CDlgCategories::OnNew},
                   {tr("&Rename"), "renameCategory", &CDlgCategories::OnRename},
                   {tr("&Delete"), "deleteCategory", &CDlgCategories::OnDelete}};
    for (const auto& button : buttons) {
        auto* push = new QPushButton(button.text, this);
        push->setObjectName(QString::fromLatin1(button.name));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, button.handler);
        side->addWidget(push);
    }
    side->addStretch(1);
    auto* box = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = box->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    box->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &CDlgCategories::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(box);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(side);

    connect(m_list, &CAutoListCtrl::itemDoubleClicked, this, [this] { accept(); });
    connect(m_list, &CAutoListCtrl::itemActivated, this, [this] { accept(); });
}

void CDlgCategories::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Fill();
}

void CDlgCategories::Fill()
{
    const QString condition = QStringLiteral("WHERE CategoryType=%1 ").arg(m_categoryType);
    FillListFromTable(*m_list, QStringLiteral("Categories"), QStringLiteral("CategoryId"), m_categoryId,
                      condition);
    m_list->setFocus();
}

bool CDlgCategories::SetName(long id, const QString& name, bool withType)
{
    CADORecordset row(AppDatabase());
    if (!row.Open(QStringLiteral("SELECT * FROM Categories WHERE CategoryId=%1;").arg(id)) || row.IsEof()) {
        return false;
    }
    row.Edit();
    bool written = row.SetFieldValue(QStringLiteral("Description"), name);
    if (withType) {
        written = written && row.SetFieldValue(QStringLiteral("CategoryType"), short(m_categoryType));
    }
    return written && row.Update();
}

void CDlgCategories::OnNew()
{
    CDlgCategoryName dialog(QString(), this);
    if (Prompt().RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    const long id = GetNextId(QStringLiteral("Categories"));
    // Without an id there is no row to make; the list stays as it is.
    if (id < 1) {
        return;
    }
    if (!AppDatabase()->Execute(
            QStringLiteral("INSERT INTO [Categories] ([CategoryId]) VALUES (%1);").arg(id))) {
        return;
    }
    SetName(id, dialog.GetName(), true);
    m_categoryId = id;
    Fill();
}

void CDlgCategories::OnRename()
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        return;
    }
    CDlgCategoryName dialog(m_list->GetItemText(index, 0), this);
    if (Prompt().RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    if (SetName(id, dialog.GetName(), false)) {
        m_categoryId = id;
    }
    Fill();
}

void CDlgCategories::OnDelete()
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        return;
    }
    if (ShowMessage(this, LoadResString(IDS_DELETE_CATEGORY_QUESTION), AppName(), MessageIcon::Exclamation,
                    MessageButtons::YesNo, IDNO) != IDYES) {
        return;
    }
    if (!AppDatabase()->Execute(QStringLiteral("DELETE FROM Categories WHERE CategoryId=%1;").arg(id))) {
        return;
    }
    m_list->DeleteItem(index);
    UncategoriseAssets(id);
}

void CDlgCategories::UncategoriseAssets(long id)
{
    CADORecordset rows(AppDatabase());
    if (!rows.Open(QStringLiteral("SELECT CategoryId FROM Assets WHERE CategoryId=%1;").arg(id))) {
        return;
    }
    while (!rows.IsEof()) {
        rows.Edit();
        rows.SetFieldValue(QStringLiteral("CategoryId"), 0L);
        rows.Update();
        rows.MoveNext();
    }
}

void CDlgCategories::accept()
{
    long id = 0;
    int index = -1;
    if (GetSelectedItemData(*m_list, id, index)) {
        m_categoryId = id;
    }
    QDialog::accept();
}

long SelectCategoryDialog(QWidget* parent, int type, long id, const QString& caption)
{
    CDlgCategories dialog(parent);
    if (!caption.isEmpty()) {
        dialog.setWindowTitle(caption);
    }
    dialog.SetCategoryType(type);
    dialog.SetCategoryId(id);
    Prompt().RunModal(dialog);
    return dialog.GetCategoryId();
}
