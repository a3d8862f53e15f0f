#include "views/CTasksView.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "controls/CLabel.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "platform/Settings.h"
#include "records/CTask.h"
#include "records/sheets/TaskListItem.h"
#include "records/sheets/TaskProperties.h"
#include "res/AppInfo.h"
#include "res/CommandIds.h"
#include "views/CDlgCategories.h"
#include "views/CShoppingList.h"
#include "views/ShoppingListOutput.h"
#include "views/ViewContextMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
const QColor kListBackground(255, 254, 249);
} // namespace

CTasksView::CTasksView(QWidget* parent)
    : QWidget(parent), m_title(new CLabel(1000, tr("Tasks (All)"), this)),
      m_icon(new CLabel(1012, QString(), this)),
      m_list(new CAutoListCtrl(this, CAutoListCtrl::OwnerDrawStyle | CAutoListCtrl::SingleSelStyle))
{
    setObjectName(QStringLiteral("tasksView"));
    m_title->setObjectName(QStringLiteral("tasksTitle"));
    CLabel::ApplyHeadingStyle(*m_title);
    m_title->SetLink(true);
    m_title->setToolTip(tr("Choose the tasks to show"));
    m_title->move(18, 4);
    m_title->SizeToText();

    m_list->setObjectName(QStringLiteral("tasksList"));
    m_list->setAccessibleName(tr("Tasks"));
    setFocusProxy(m_list);
    m_list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list->InsertColumn(0, tr("Tasks"), LVCFMT_LEFT, 300);
    QPalette pal = m_list->palette();
    pal.setColor(QPalette::Base, kListBackground);
    pal.setColor(QPalette::AlternateBase, kListBackground);
    pal.setColor(QPalette::Text, Qt::black);
    m_list->setPalette(pal);
    const CImageList images = TaskImages();
    m_list->SetImageList(images);

    // Only the icon's lower right corner shows, beside the title.
    m_icon->setGeometry(-18, -18, 32, 32);
    m_icon->setPixmap(images.GetImage(0).scaled(32, 32));

    m_filter = int(Settings::TasksFilter.Get());
    if (m_filter < AllTasks || m_filter > ShoppingOnly) {
        m_filter = AllTasks;
    }

    connect(m_title, &CLabel::clicked, this, &CTasksView::ShowViewMenu);
    connect(m_icon, &CLabel::clicked, this, &CTasksView::ShowViewMenu);
    connect(m_list, &CAutoListCtrl::itemClicked, this, &CTasksView::ToggleSelected);
    connect(m_list, &CAutoListCtrl::itemDoubleClicked, this, &CTasksView::EditSelected);
    connect(m_list, &CAutoListCtrl::keyPressed, this, [this](int key) {
        if (key == Qt::Key_Space) {
            ToggleSelected();
        } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditSelected();
        }
    });
    connect(m_list, &CAutoListCtrl::deleteKeyPressed, this, &CTasksView::RemoveSelected);
    connect(m_list, &CAutoListCtrl::contextMenuRequested, this, &CTasksView::OnContextMenu);
}

void CTasksView::SetListFont(const QFont& font)
{
    m_list->setFont(font);
}

QString CTasksView::GetTitle() const
{
    return m_title->text();
}

void CTasksView::FillTasks()
{
    m_activeCount = 0;
    QString condition;
    if (m_filter == GeneralOnly) {
        m_title->setText(tr("Tasks (General)"));
        condition = QStringLiteral(" AND TaskType <> %1 ").arg(CTask::kShoppingType);
    } else if (m_filter == ShoppingOnly) {
        m_title->setText(tr("Tasks (Shopping)"));
        condition = QStringLiteral(" AND TaskType = %1 ").arg(CTask::kShoppingType);
    } else {
        m_title->setText(tr("Tasks (All)"));
    }
    m_title->SizeToText();
    m_list->SetRedraw(false);
    m_list->DeleteAllItems();
    CADORecordset rows(AppDatabase());
    if (rows.Open(QStringLiteral("SELECT * FROM Tasks WHERE Status<>0 ") + condition +
                  QStringLiteral(" ORDER BY Description;"))) {
        for (; !rows.IsEof(); rows.MoveNext()) {
            CTask task;
            task.ReadRow(rows);
            if (task.GetStatus() == CTask::Active) {
                ++m_activeCount;
            }
            const int index = m_list->InsertItem(m_list->GetItemCount(), task.GetDisplayText());
            SetListItem(task, *m_list, index, false, false);
        }
    }
    m_list->SetRedraw(true);
    emit activeCountChanged(m_activeCount);
}

void CTasksView::SetFilter(int filter)
{
    m_filter = filter;
    Settings::TasksFilter.Set(quint32(filter));
    FillTasks();
    emit filterChanged(filter);
}

void CTasksView::ClearTasks(bool all)
{
    CADORecordset rows(AppDatabase());
    if (rows.Open(
            QStringLiteral("SELECT TaskId, Status FROM Tasks WHERE Status<>%1;").arg(CTask::NotPicked))) {
        for (; !rows.IsEof(); rows.MoveNext()) {
            int status = 0;
            rows.GetFieldValue(QStringLiteral("Status"), status);
            if (all || status == CTask::Done) {
                rows.Edit();
                rows.SetFieldValue(QStringLiteral("Status"), short(CTask::NotPicked));
                rows.Update();
            }
        }
    }
    rows.Close();
    FillTasks();
}

void CTasksView::ToggleSelected()
{
    const int index = m_list->GetCurSel();
    if (index < 0) {
        return;
    }
    const long data = m_list->GetItemData(index);
    if (data == 0) {
        return;
    }
    CTask task;
    task.SetId(data < 0 ? -data : data);
    if (data < 1) {
        task.SetStatus(CTask::Active);
        ++m_activeCount;
    } else {
        task.SetStatus(CTask::Done);
        --m_activeCount;
    }
    m_list->SetItemData(index, -data);
    emit activeCountChanged(m_activeCount);
}

void CTasksView::EditSelected()
{
    const int index = m_list->GetCurSel();
    const long data = index < 0 ? 0 : m_list->GetItemData(index);
    if (data == 0) {
        return;
    }
    CTask task;
    task.SetId(data < 0 ? -data : data);
    if (task.Load() && EditProperties(task, this, &SelectCategoryDialog)) {
        SetListItem(task, *m_list, index, false, false);
    }
    m_list->SetCurSel(index);
}

// The Delete key and the context menu's "&Delete" take the entry off the list; it stays stored.
void CTasksView::RemoveSelected()
{
    const int index = m_list->GetCurSel();
    const long data = index < 0 ? 0 : m_list->GetItemData(index);
    if (data == 0) {
        return;
    }
    CTask task;
    task.SetId(data < 0 ? -data : data);
    if (!task.SetStatus(CTask::NotPicked)) {
        return;
    }
    m_list->DeleteItem(index);
    if (data > 0) {
        --m_activeCount;
        emit activeCountChanged(m_activeCount);
    }
}

void CTasksView::OnViewCommand(int id)
{
    switch (id) {
    case ID_TASKS_VIEW_ALL:
    case ID_TASKS_VIEW_GENERAL:
    case ID_TASKS_VIEW_SHOPPING:
        SetFilter(id - ID_TASKS_VIEW_ALL);
        break;
    case ID_TASKS_CLEAR_ALL:
        ClearTasks(true);
        break;
    case ID_TASKS_CLEAR_COMPLETED:
        ClearTasks(false);
        break;
    case ID_PRINT_SHOPPING_LIST:
        if (m_filter == ShoppingOnly) {
            PrintShoppingList();
        }
        break;
    default:
        break;
    }
}

void CTasksView::FillViewMenu(QMenu* menu)
{
    menu->clear();
    auto* group = new QActionGroup(menu);
    const struct
    {
        int id;
        QString text;
    } commands[] = {{ID_TASKS_VIEW_ALL, tr("View &All Tasks")},
                    {ID_TASKS_VIEW_GENERAL, tr("&General Tasks Only")},
                    {ID_TASKS_VIEW_SHOPPING, tr("&Shopping Tasks Only")},
                    {0, QString()},
                    {ID_TASKS_CLEAR_ALL, tr("Clear All &Tasks")},
                    {ID_TASKS_CLEAR_COMPLETED, tr("Clear &Completed Tasks")},
                    {0, QString()},
                    // The frame's File menu holds the shortcut; here it is only shown.
                    {ID_PRINT_SHOPPING_LIST, tr("&Print Shopping List...") + QStringLiteral("\tCtrl+P")}};
    for (const auto& command : commands) {
        if (command.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(command.text);
        action->setObjectName(QStringLiteral("command%1").arg(command.id));
        action->setData(command.id);
        if (command.id <= ID_TASKS_VIEW_SHOPPING) {
            action->setCheckable(true);
            action->setChecked(command.id - ID_TASKS_VIEW_ALL == m_filter);
            group->addAction(action);
        }
        action->setEnabled(command.id != ID_PRINT_SHOPPING_LIST || m_filter == ShoppingOnly);
        connect(action, &QAction::triggered, this, [this, id = command.id] { OnViewCommand(id); });
    }
}

bool CTasksView::PrintShoppingList()
{
    CShoppingList list;
    if (!list.Load() || list.IsEmpty()) {
        ShowMessage(this,
                    tr("There is nothing to print: no shopping item is on the list. Pick items in "
                       "\"General Tasks\" (File, New, Tasks) first."),
                    AppName(), MessageIcon::Information);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Shopping List"));
    printer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    if (Prompt().RunModal(dialog) != QDialog::Accepted) {
        return false;
    }
    if (!PaintShoppingList(printer, list)) {
        ShowMessage(this,
                    tr("I'm afraid the shopping list could not be printed. Please check the printer, or "
                       "the file to print to, and try again."),
                    AppName(), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

void CTasksView::ShowViewMenu()
{
    auto* menu = new QMenu(tr("&View"), this);
    menu->setObjectName(QStringLiteral("tasksViewMenu"));
    FillViewMenu(menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(mapToGlobal(QPoint(m_title->x() - 20, m_title->geometry().bottom() + 1)));
}

void CTasksView::OnContextMenu(const QPoint& globalPos)
{
    ShowViewContextMenu(
        globalPos, m_list, m_list->GetCurSel() >= 0, [this] { emit newTasksRequested(); },
        [this] { RemoveSelected(); }, [this] { EditSelected(); });
}

void CTasksView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawLine(0, 23, 2000, 23);
}

void CTasksView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_list->setGeometry(0, 25, width(), height() - 27);
}
