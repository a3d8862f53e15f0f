#include "views/CDlgGeneralTasks.h"

#include "controls/CAutoListCtrl.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "platform/Settings.h"
#include "records/CTask.h"
#include "records/sheets/TaskListItem.h"
#include "records/sheets/TaskProperties.h"
#include "res/AppInfo.h"
#include "views/CDlgCategories.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// A task of this type is a general task in a new entry; any type but the shopping one would do.
constexpr int kGeneralType = 1;
} // namespace

CDlgGeneralTasks::CDlgGeneralTasks(QWidget* parent)
    : QDialog(parent), m_list(new CAutoListCtrl(this)),
      m_general(new QRadioButton(tr("General Tasks"), this)),
      m_shopping(new QRadioButton(tr("Shopping Tasks"), this))
{
    setObjectName(QStringLiteral("generalTasksDialog"));
    setWindowTitle(tr("General Tasks"));
    m_general->setObjectName(QStringLiteral("generalOption"));
    m_shopping->setObjectName(QStringLiteral("shoppingOption"));
    m_list->setObjectName(QStringLiteral("pickTasksList"));
    m_list->setAccessibleName(tr("Tasks to pick"));
    m_list->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    m_list->InsertColumn(0, tr("Tasks"), LVCFMT_LEFT, 380);
    m_list->SetImageList(TaskImages());
    m_list->setMinimumSize(400, 300);

    auto* options = new QHBoxLayout;
    options->addWidget(m_general);
    options->addWidget(m_shopping);
    options->addStretch(1);

    auto* side = new QVBoxLayout;
    const struct
    {
        QString text;
        const char* name;
        void (CDlgGeneralTasks::*handler)();
    } buttons[] = {{tr("&New"), "newTask", &CDlgGeneralTasks::OnNew},
                   {tr("&Edit"), "editTask", &CDlgGeneralTasks::OnEdit},
                   {tr("&Remove"), "removeTask", &CDlgGeneralTasks::OnRemove}};
    for (const auto& button : buttons) {
        auto* push = new QPushButton(button.text, this);
        push->setObjectName(QString::fromLatin1(button.name));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, button.handler);
        side->addWidget(push);
    }
    side->addStretch(1);
    auto* box = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* close = box->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    side->addWidget(box);

    auto* body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(body);

    connect(m_general, &QRadioButton::clicked, this, [this] { ShowShopping(false); });
    connect(m_shopping, &QRadioButton::clicked, this, [this] { ShowShopping(true); });
    connect(m_list, &CAutoListCtrl::itemCheckChanged, this, &CDlgGeneralTasks::OnCheckChanged);
    connect(m_list, &CAutoListCtrl::itemDoubleClicked, this, &CDlgGeneralTasks::OnEdit);
    // Enter edits the row rather than closing the dialog; Space still checks it.
    connect(m_list, &CAutoListCtrl::itemActivated, this, &CDlgGeneralTasks::OnEdit);
    connect(m_list, &CAutoListCtrl::deleteKeyPressed, this, &CDlgGeneralTasks::OnRemove);

    m_showingShopping = Settings::JumpToShoppingTasks.Get() != 0;
    (m_showingShopping ? m_shopping : m_general)->setChecked(true);
    Fill(0);
}

void CDlgGeneralTasks::ShowShopping(bool shopping)
{
    (shopping ? m_shopping : m_general)->setChecked(true);
    Settings::JumpToShoppingTasks.Set(shopping ? 1 : 0);
    if (shopping == m_showingShopping) {
        return;
    }
    m_showingShopping = shopping;
    Fill(0);
}

void CDlgGeneralTasks::Fill(long idToSelect)
{
    const QString sql =
        m_showingShopping ? QStringLiteral("SELECT * FROM Tasks WHERE TaskType = %1 ORDER BY Description;")
                          : QStringLiteral("SELECT * FROM Tasks WHERE TaskType <> %1 ORDER BY Description;");
    m_filling = true;
    m_list->DeleteAllItems();
    CADORecordset rows(AppDatabase());
    if (rows.Open(sql.arg(CTask::kShoppingType))) {
        for (; !rows.IsEof(); rows.MoveNext()) {
            CTask task;
            task.ReadRow(rows);
            const int index = m_list->InsertItem(m_list->GetItemCount(), task.GetDisplayText());
            SetListItem(task, *m_list, index, true, false);
            if (task.GetId() == idToSelect) {
                m_list->SetCurSel(index);
                m_list->EnsureVisible(index);
            }
        }
    }
    m_filling = false;
}

void CDlgGeneralTasks::OnCheckChanged(int row, bool checked)
{
    if (m_filling) {
        return;
    }
    CTask task;
    task.SetId(m_list->GetItemData(row));
    task.SetStatus(checked ? CTask::Active : CTask::NotPicked);
}

void CDlgGeneralTasks::OnNew()
{
    CTask task;
    task.SetType(m_showingShopping ? CTask::kShoppingType : kGeneralType);
    if (EditProperties(task, this, &SelectCategoryDialog)) {
        Fill(task.GetId());
    }
}

void CDlgGeneralTasks::OnEdit()
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        return;
    }
    CTask task;
    task.SetId(id);
    if (task.Load() && EditProperties(task, this, &SelectCategoryDialog)) {
        Fill(id);
    }
}

void CDlgGeneralTasks::OnRemove()
{
    long id = 0;
    int index = -1;
    if (!GetSelectedItemData(*m_list, id, index)) {
        return;
    }
    const QString question =
        tr("Remove \"%1\" for good? It leaves the task lists as well.").arg(m_list->GetItemText(index, 0));
    if (ShowMessage(this, question, AppName(), MessageIcon::Exclamation, MessageButtons::YesNo, IDNO) !=
        IDYES) {
        return;
    }
    CTask task;
    task.SetId(id);
    if (task.Delete()) {
        m_list->DeleteItem(index);
    }
}
