// The task record (its row in Tasks, the list text and the coupon mark) and its
// dialogs: "General Tasks" (picking by check box, the kind remembered), "Task
// Properties" and "Shopping List Item" (numbers refused, the stores offered,
// the store chosen from the list).

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "platform/Settings.h"
#include "records/CTask.h"
#include "records/sheets/CDlgShoppingItem.h"
#include "records/sheets/TaskProperties.h"
#include "views/CDlgGeneralTasks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

class TestTaskDialogs final : public CSessionTest
{
    Q_OBJECT

private slots:
    // Texts of any content: tests/reliability; a task's round trip runs through its
    // dialogs below.
    void rowsReadBack()
    {
        CTask fresh;
        QVERIFY(!fresh.Load());
        QVERIFY(!fresh.Delete());
        QVERIFY(!fresh.SetStatus(CTask::Active));
        QVERIFY(AppDatabase()->Execute("INSERT INTO Tasks (TaskId, TaskType, Status, Custom2) "
                                       "VALUES (1, 2, 0, 5), (2, 1, 0, 5);"));
        // A shopping item's Custom2 is its coupon mark, read as 1; a general task's
        // is its category.
        QCOMPARE(StoredRecord<CTask>(1).GetCategoryId(), 1L);
        QCOMPARE(StoredRecord<CTask>(2).GetCategoryId(), 5L);
    }

    void displayText_data()
    {
        // The type, then quantity, unit, store and aisle, separated by "|".
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole quantity") << "2|1.5|||" << QString("Buy 1 Milk");
        QTest::newRow("user's number format") << "2|1200|||" << QString("Buy 1,200 Milk");
        QTest::newRow("unit without quantity") << "2|0|gal||" << QString("Buy gal Milk");
        QTest::newRow("aisle without store") << "2|0|||B4" << QString("Buy Milk (#B4)");
    }

    void displayText()
    {
        QFETCH(QString, fields);
        const QStringList field = fields.split('|');
        CTask task;
        task.SetType(field[0].toInt());
        task.SetDescription("Milk");
        task.SetQuantity(field[1].toFloat());
        task.SetUnit(field[2]);
        task.SetStore(field[3]);
        task.SetAisle(field[4]);
        QTEST(task.GetDisplayText(), "expected");
    }

    void checksPickAndTheKindIsRemembered()
    {
        const long fence = Add("Paint fence", 1);
        const long milk = Add("Milk", CTask::kShoppingType);
        CDlgGeneralTasks dialog;
        QVERIFY(!dialog.IsShowingShopping());
        CAutoListCtrl* list = dialog.GetList();
        QCOMPARE(list->GetItemCount(), 1);
        QCOMPARE(list->GetItemText(0, 0), "Paint fence");
        list->model()->setData(list->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        QCOMPARE(CheckedStatus(fence), int(CTask::Active));
        list->model()->setData(list->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        QCOMPARE(CheckedStatus(fence), int(CTask::NotPicked));

        Child<QRadioButton>(dialog, "shoppingOption")->click();
        QCOMPARE(list->GetItemText(0, 0), "Buy Milk");
        QCOMPARE(list->GetItemImage(0), 1);
        list->SetCheck(0, true);
        QCOMPARE(CheckedStatus(milk), int(CTask::Active));
        QCOMPARE(Settings::JumpToShoppingTasks.Get(), 1u);
        CDlgGeneralTasks next;
        QVERIFY(next.IsShowingShopping());
        QVERIFY(next.GetList()->GetCheck(0));
    }

    void keysEditCheckAndRemove()
    {
        const long fence = Add("Paint fence", 1);
        CDlgGeneralTasks dialog;
        dialog.show();
        CAutoListCtrl* list = dialog.GetList();
        list->setFocus();
        list->SetCurSel(0);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(CheckedStatus(fence), int(CTask::Active));
        // Enter and keypad Enter edit the row in its sheet, which wants a
        // description; the dialog stays open.
        m_prompt
            ->ExpectModal([this](QDialog& sheet) {
                auto* description = Child<QLineEdit>(sheet, "taskDescription");
                description->clear();
                m_prompt->ExpectMessage(IDOK).Text("Please enter a description for this task.");
                m_prompt->PressOk(sheet);
                description->setText("Paint gate");
                Child<QLineEdit>(sheet, "taskContact")->setText("Joe");
                Child<QLineEdit>(sheet, "taskPhone")->setText("555-0101");
                m_prompt->PressOk(sheet);
            })
            .Caption("Task Properties");
        QTest::keyClick(list, Qt::Key_Return);
        const CTask edited = StoredRecord<CTask>(fence);
        QCOMPARE(QStringList({edited.GetDescription(), edited.GetContact(), edited.GetPhone()}),
                 QStringList({"Paint gate", "Joe", "555-0101"}));
        QCOMPARE(list->GetItemText(0, 0), "Paint gate");
        m_prompt->ExpectModal([this](QDialog& sheet) { m_prompt->PressCancel(sheet); })
            .Caption("Task Properties");
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(dialog.isVisible());
        m_prompt->ExpectMessage(IDNO).DefaultAnswer(IDNO).TextContains("Paint gate");
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(RowCount("Tasks"), 1L);
        m_prompt->ExpectMessage(IDYES);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->GetItemCount(), 0);
        QCOMPARE(RowCount("Tasks"), 0L);
    }

    void shoppingItemRefusesTextForNumbers()
    {
        CScriptedPrompt& prompt = *m_prompt;
        prompt.ExpectModal([&prompt](QDialog& dialog) {
            Child<QLineEdit>(dialog, "shoppingDescription")->setText("Milk");
            auto* quantity = Child<QLineEdit>(dialog, "shoppingQuantity");
            quantity->setText("two");
            Child<QComboBox>(dialog, "shoppingUnit")->setEditText("gal");
            Child<QComboBox>(dialog, "shoppingStore")->setEditText("Corner Market");
            Child<QComboBox>(dialog, "shoppingAisle")->setCurrentIndex(4);
            Child<QCheckBox>(dialog, "shoppingCoupon")->setChecked(true);
            prompt.PressOk(dialog);
            QVERIFY(dialog.isVisible());
            quantity->setText("2");
            prompt.PressOk(dialog);
        });
        prompt.ExpectMessage(IDOK).Text("Qty/Amount must be a number, for example 6.5");
        CTask item;
        item.SetType(CTask::kShoppingType);
        QVERIFY(EditProperties(item, nullptr, {}));
        CTask read = StoredRecord<CTask>(item.GetId());
        QCOMPARE(read.GetDisplayText(), "Buy 2 gal Milk @ Corner Market (#5)");
        QVERIFY(read.UsesCoupon());
    }

    void storesOfferedOnceEachAndChosen()
    {
        Add("Milk", CTask::kShoppingType, "corner market");
        Add("Eggs", CTask::kShoppingType, "Corner Market");
        Add("Nails", CTask::kShoppingType, "pharmacy");
        Add("Fence", 1, "Painter Joe");
        const QStringList stores = CDlgShoppingItem::KnownStores();
        QCOMPARE(stores.size(), 5);
        QCOMPARE(stores.at(0).toLower(), "corner market");
        QCOMPARE(stores.mid(1),
                 (QStringList{"Grocery Store", "Hardware Store", "Pharmacy", "Warehouse Club"}));
        // "Stores" asks for a store category; its name becomes the store.
        CTask item;
        item.SetType(CTask::kShoppingType);
        CDlgShoppingItem dialog(
            item, [](QWidget*, int type, long, const QString&) { return type == 3 ? 28L : 0L; });
        dialog.OnStores();
        QCOMPARE(Child<QComboBox>(dialog, "shoppingStore")->currentText(), "Pharmacy");
    }

private:
    long Add(const QString& name, int type, const QString& store = QString())
    {
        CTask task;
        task.SetType(type);
        task.SetDescription(name);
        task.SetStore(store);
        task.Save();
        return task.GetId();
    }

    static int CheckedStatus(long id)
    {
        return int(QueryNumber(QString("SELECT Status FROM Tasks WHERE TaskId=%1;").arg(id)));
    }
};

QTEST_MAIN(TestTaskDialogs)
#include "tst_taskdialogs.moc"
