// The tasks view: the picked entries per filter (kept for the next run), the click that marks them
// done or active, the two clears, and the way from Home Today through the frame.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "data/Formatting.h"
#include "records/CHome.h"
#include "records/CTask.h"
#include "res/CommandIds.h"
#include "views/CDlgGeneralTasks.h"
#include "views/CShoppingList.h"
#include "views/CTasksView.h"
#include "views/CTodayView.h"

#include <QAction>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

class TestTasksView final : public CSessionTest
{
    Q_OBJECT

private slots:
    void fillFollowsTheFilter_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("texts"); // done entries end in " -"
        QTest::addColumn<int>("active");
        QTest::newRow("all") << int(ID_TASKS_VIEW_ALL) << "Tasks (All)"
                             << QStringList{"Buy bread", "Call plumber -", "Buy Milk -", "Paint fence"} << 2;
        QTest::newRow("general") << int(ID_TASKS_VIEW_GENERAL) << "Tasks (General)"
                                 << QStringList{"Call plumber -", "Paint fence"} << 1;
        QTest::newRow("shopping") << int(ID_TASKS_VIEW_SHOPPING) << "Tasks (Shopping)"
                                  << QStringList{"Buy bread", "Buy Milk -"} << 1;
    }

    void fillFollowsTheFilter()
    {
        QFETCH(int, command);
        QSignalSpy counts(m_view.get(), &CTasksView::activeCountChanged);
        m_view->OnViewCommand(command);
        QTEST(m_view->GetTitle(), "title");
        QTEST(Texts(), "texts");
        QTEST(m_view->GetActiveCount(), "active");
        QCOMPARE(counts.count(), 1);
        // The filter is kept for the next run.
        QCOMPARE(CTasksView().GetFilter(), command - ID_TASKS_VIEW_ALL);
    }

    void clickTogglesDoneAndActive()
    {
        m_view->FillTasks();
        CAutoListCtrl* list = m_view->GetList();
        QSignalSpy counts(m_view.get(), &CTasksView::activeCountChanged);
        for (int row : {1, 3}) {
            const QRect rect = list->visualRect(list->model()->index(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        }
        QCOMPARE(Texts(), (QStringList{"Buy bread", "Call plumber", "Buy Milk -", "Paint fence -"}));
        QCOMPARE(m_view->GetActiveCount(), 2);
        QCOMPARE(counts.count(), 2);
        QCOMPARE(counts.at(0).at(0).toInt(), 3);
        m_view->FillTasks();
        QCOMPARE(Texts(), (QStringList{"Buy bread", "Call plumber", "Buy Milk -", "Paint fence -"}));
    }

    void clears_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("completed") << int(ID_TASKS_CLEAR_COMPLETED)
                                   << QStringList{"Buy bread", "Paint fence"};
        QTest::newRow("all") << int(ID_TASKS_CLEAR_ALL) << QStringList{};
    }

    void clears()
    {
        QFETCH(int, command);
        m_view->OnViewCommand(command);
        QTEST(Texts(), "texts");
        QCOMPARE(m_view->GetActiveCount(), int(Texts().size()));
        // The entries stay stored; they only leave the list.
        QCOMPARE(RowCount("Tasks"), 5L);
    }

    void todayLeadsToPickingThenToTheView()
    {
        m_view->OnViewCommand(ID_TASKS_CLEAR_ALL);
        CHome home;
        QVERIFY(home.Save());
        CMainFrame frame(&m_session->Settings());
        frame.show();
        frame.CreateViews();
        frame.SelectHome(home.GetId());
        CLabel* line = frame.GetTodayView()->GetLine(CTodayView::TasksLine);
        QCOMPARE(line->text(), "Pick tasks and shopping items");
        CScriptedPrompt& prompt = *m_prompt;
        // Escape leaves the dialog: the pick counts, the view stays.
        prompt.ExpectModalOf<CDlgGeneralTasks>([](CDlgGeneralTasks& dialog) {
            dialog.GetList()->SetCheck(0, true);
            dialog.reject();
        });
        line->clicked(CTodayView::TasksLine);
        QCOMPARE(frame.GetCurrentViewIndex(), int(CMainFrame::TodayIndex));
        QCOMPARE(line->text(), "1 Active task");

        line->clicked(CTodayView::TasksLine);
        QCOMPARE(frame.GetCurrentViewIndex(), int(CMainFrame::TasksIndex));
        QVERIFY(Child<QMenu>(frame, "tasksMenu")->menuAction()->isVisible());
        frame.GetTasksView()->GetList()->SetCurSel(0);
        frame.GetTasksView()->ToggleSelected();
        QCOMPARE(line->text(), "Pick tasks and shopping items");

        // New in the tasks view opens the dialog again; Close keeps the tasks view up.
        prompt.ExpectModalOf<CDlgGeneralTasks>(
            [&prompt](CDlgGeneralTasks& dialog) { prompt.PressButton(dialog, "Close"); });
        frame.OnCommand(ID_NEW);
        QVERIFY(frame.GetCommand(ID_VIEW_TASKS)->isChecked());
    }

    void shoppingListByStoreAndAisle_data()
    {
        QTest::addColumn<QStringList>("items");
        // "store: items in order total"; the active "bread" has no store
        QTest::addColumn<QStringList>("stores");
        QTest::newRow("stores by name, one store whatever its case")
            << QStringList{"Nails;Pharmacy;;0;1", "Eggs;corner market;;0;1", "Soap; Corner Market ;;0;1"}
            << QStringList{"corner market: Eggs, Soap $0.00", "Pharmacy: Nails $0.00",
                           "Any store: bread $0.00"};
        QTest::newRow("aisles numbered, named, none")
            << QStringList{"Tea;Shop;Dairy;0;1", "Jam;Shop;10;0;1", "Rice;Shop;2;0;1", "Salt;Shop;;0;1",
                           "Buns;Shop;bakery;0;1"}
            << QStringList{"Shop: Rice, Jam, Buns, Tea, Salt $0.00", "Any store: bread $0.00"};
        QTest::newRow("done and unpicked left out")
            << QStringList{"Tea;Shop;1;2;2", "Jam;Shop;1;3;0", "Rice;Shop;1;4;1"}
            << QStringList{"Shop: Rice $4.00", "Any store: bread $0.00"};
    }

    void shoppingListByStoreAndAisle()
    {
        QFETCH(QStringList, items);
        for (const QString& item : items)
            Add(item);
        CShoppingList list;
        QVERIFY(list.Load());
        QStringList stores;
        for (const CShoppingList::Store& store : list.Stores()) {
            QStringList names;
            for (const CShoppingList::Item& item : store.items)
                names += item.description;
            stores += (store.name.isEmpty() ? "Any store" : store.name) + ": " + names.join(", ") + ' ' +
                      FormatMoney(store.total);
        }
        QTEST(stores, "stores");
    }

    void printFollowsTheShoppingFilter()
    {
        CMainFrame frame(&m_session->Settings());
        frame.CreateViews();
        frame.OnCommand(ID_VIEW_TASKS);
        CTasksView* view = frame.GetTasksView();
        QAction* print = frame.GetCommand(ID_PRINT_SHOPPING_LIST);
        QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
        view->OnViewCommand(ID_TASKS_VIEW_GENERAL);
        QVERIFY(!print->isEnabled());
        view->OnViewCommand(ID_TASKS_VIEW_SHOPPING);
        QVERIFY(print->isEnabled());

        view->OnViewCommand(ID_TASKS_CLEAR_ALL);
        m_prompt->ExpectMessage(IDOK).TextContains("nothing to print").Icon(MessageIcon::Information);
        frame.OnCommand(ID_PRINT_SHOPPING_LIST);

        for (const char* item : {"Milk;Corner Market;5;3.5;1", "Eggs;corner market;2;2.25;1", "Tape;;;4;1",
                                 "Bread;Corner Market;1;9;2"}) {
            Add(QString::fromLatin1(item));
        }
        QString pdf = m_session->Dir().Path() + "missing/shopping.pdf";
        const auto printTo = [&pdf](QDialog& dialog) {
            QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            dialog.done(QDialog::Accepted);
        };
        m_prompt->ExpectModal(printTo);
        m_prompt->ExpectMessage(IDOK).TextContains("could not be printed").Icon(MessageIcon::Exclamation);
        frame.OnCommand(ID_PRINT_SHOPPING_LIST);
        pdf = m_session->Dir().Path() + "shopping.pdf";
        m_prompt->ExpectModal(printTo);
        frame.OnCommand(ID_PRINT_SHOPPING_LIST);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess process;
        process.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(process.waitForFinished());
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        qsizetype at = 0;
        for (const char* piece :
             {"Shopping List", "Corner Market", "Eggs", "$2.25", "Milk", "$3.50", "Total", "$5.75",
              "Any store", "Tape", "Total of all stores: $9.75", "Page 1 of 1"}) {
            at = text.indexOf(QLatin1String(piece), at);
            QVERIFY2(at >= 0, qPrintable(QLatin1String(piece) + '\n' + text));
        }
        QVERIFY(!text.contains("Bread"));
    }

private:
    void SetUp() override
    {
        Add("Paint fence;;;0;1", 1);
        Add("Milk;;;0;2");
        Add("bread;;;0;1");
        Add("Call plumber;;;0;2", 0);
        Add("Not picked;;;0;0", 1);
        m_view = std::make_unique<CTasksView>();
        m_view->resize(400, 300);
        m_view->show();
    }

    void TearDown() override { m_view.reset(); }
    // "description;store;aisle;price;status" (0 not picked, 1 active, 2 done) of a task of that type.
    void Add(const QString& fields, int type = CTask::kShoppingType)
    {
        const QStringList field = fields.split(';');
        CTask task;
        task.SetType(type);
        task.SetDescription(field.at(0));
        task.SetStore(field.at(1));
        task.SetAisle(field.at(2));
        task.SetPrice(field.at(3).toFloat());
        task.SetStatus(field.at(4).toInt());
        QVERIFY(task.Save());
    }

    QStringList Texts() const
    {
        QStringList texts;
        CAutoListCtrl* list = m_view->GetList();
        for (int row = 0; row < list->GetItemCount(); ++row)
            texts += list->GetItemText(row, 0) + (list->GetItemData(row) < 0 ? " -" : QString());
        return texts;
    }

    std::unique_ptr<CTasksView> m_view;
};

QTEST_MAIN(TestTasksView)
#include "tst_tasksview.moc"
