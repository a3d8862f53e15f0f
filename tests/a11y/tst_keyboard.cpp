// Without a mouse, with a screen reader, in a dark theme: list keys, Home Today links, the frame's
// shortcuts, delete and replace questions defaulting to No, readable fixed colours, long names giving
// way to figures, the hint of the empty homes list.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CLabel.h"
#include "controls/Theme.h"
#include "records/CLoan.h"
#include "records/sheets/HomeProperties.h"
#include "res/StringIds.h"
#include "views/CHomeMgrView.h"
#include "views/CInventoryReport.h"
#include "views/CRoomsView.h"
#include "views/CTodayView.h"

#include <QtWidgets>

class TestKeyboard final : public CSessionTest
{
    Q_OBJECT

private slots:
    void homeOpensByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    }

    // The focused row is the selected one: Delete asks (No by default) about it, Enter opens it.
    void homeOpensByKey()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        StoredHome("Alder");
        const long birch = StoredHome("Birch");
        m_frame->FillHomesList(birch);
        CAutoListCtrl& list = *m_frame->GetHomesView()->GetList();
        QCOMPARE(list.currentIndex().row(), 1);
        m_prompt->ExpectMessage(IDNO).TextId(IDS_DELETE_HOME_QUESTION).DefaultAnswer(IDNO);
        QTest::keyClick(&list, Qt::Key_Delete);
        QTest::keyClick(&list, Qt::Key(key), modifiers);
        QCOMPARE(m_frame->GetCurrentHomeId(), birch);
        QCOMPARE(QApplication::focusWidget(), m_frame->GetTodayView()->GetLine(CTodayView::DescriptionLine));
    }

    // Tab reaches each Home Today line; Enter, Space and the press action follow it; it reads as a link.
    void todayLinesAreLinks()
    {
        m_frame->SelectHome(StoredHome("Alder"));
        CTodayView& today = *m_frame->GetTodayView();
        QSignalSpy tasks(&today, &CTodayView::newTasksRequested);
        for (int opened = 0; opened < 3; ++opened)
            m_prompt->ExpectModal([](QDialog& dialog) { dialog.reject(); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        CLabel* line = today.GetLine(CTodayView::TasksLine);
        QCOMPARE(QApplication::focusWidget(), line);
        QTest::keyClick(line, Qt::Key_Space);
        QTest::keyClick(line, Qt::Key_Return);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(line);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), line->text());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(tasks.count(), 3);
    }

    void viewShortcutsAndMenuKey()
    {
        m_frame->SelectHome(StoredHome("Alder"));
        QTest::keyClick(m_frame.get(), Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetRoomsView()));
        QTest::keyClick(m_frame.get(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetTodayView()));
        QVERIFY(m_frame->GetCommand(ID_VIEW_INVENTORY)->toolTip().endsWith("(Ctrl+3)"));
        QTest::keyClick(m_frame.get(), Qt::Key_F10);
        QCOMPARE(m_frame->menuBar()->activeAction(), m_frame->menuBar()->actions().value(0));
    }

    // At least 4.5:1 wherever the program fixes a colour, the example blue on a dark page included.
    void fixedColoursReadInADarkTheme()
    {
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        CMainFrame frame(nullptr);
        QWidget page;
        CLabel example(0, "(e.g: my summer home)", &page);
        example.SetTextColor(Theme::HeadingColor());
        example.SetBkColor(Qt::transparent);
        const QList<std::pair<const QWidget*, QPalette::ColorRole>> texts = {
            {frame.menuBar(), QPalette::ButtonText},
            {frame.GetHomesView()->GetList(), QPalette::Text},
            {&example, QPalette::WindowText}};
        for (const auto& [widget, role] : texts) {
            const QPalette& colours = widget->palette();
            QVERIFY(Theme::ContrastRatio(colours.color(role), colours.color(widget->backgroundRole())) >=
                    4.5);
        }
        QCOMPARE(Theme::ReadableOn(Theme::HeadingColor(), Qt::white), Theme::HeadingColor());
        QApplication::setPalette(saved);
    }

    // On the Home Profile's Loans page the amount stays in view; a name cut short is whole in its tool tip.
    void longNamesGiveWayToTheAmount()
    {
        const QString name = QString("Second mortgage for the barn roof ").repeated(6);
        CHome home = StoredRecord<CHome>(StoredHome("Alder"));
        CLoan loan;
        loan.SetHomeId(home.GetId());
        loan.SetDescription(name);
        loan.SetPrincipal(250000.0f);
        QVERIFY(loan.Save());
        m_prompt->ExpectModal([this, name](QDialog& sheet) {
            auto* list = Child<CAutoListCtrl>(sheet, "loanList");
            const QHeaderView& header = *list->header();
            QVERIFY(header.sectionViewportPosition(1) + header.sectionSize(1) <= list->viewport()->width());
            QVERIFY(header.sectionSize(1) > list->fontMetrics().horizontalAdvance(list->GetItemText(0, 1)));
            const QPoint cell = list->visualRect(list->model()->index(0, 0)).center();
            QHelpEvent help(QEvent::ToolTip, cell, list->viewport()->mapToGlobal(cell));
            QApplication::sendEvent(list->viewport(), &help);
            QCOMPARE(QToolTip::text(), name);
            m_prompt->PressCancel(sheet);
        });
        EditProperties(home, m_frame.get(), true);
    }

    // The empty homes list says where homes are added, to the eye and to a screen reader.
    void emptyHomesListSaysHowToAdd()
    {
        m_frame->FillHomesList(0);
        CHomeMgrView& homes = *m_frame->GetHomesView();
        auto* hint = Child<CLabel>(homes, "homesHint");
        CAutoListCtrl& list = *homes.GetList();
        QVERIFY(hint->isVisible());
        QVERIFY(hint->text().contains("File, New, Home"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&list)->text(QAccessible::Description), hint->text());
        m_frame->FillHomesList(StoredHome("Alder"));
        QVERIFY(!hint->isVisible());
        m_prompt->ExpectMessage(IDYES).TextId(IDS_DELETE_HOME_QUESTION);
        QTest::keyClick(&list, Qt::Key_Delete);
        QVERIFY(hint->isVisible());
    }

    // A chosen file that exists is replaced only after a question whose default is No; No chooses again.
    void replacingAFileDefaultsToNo()
    {
        const QString path = m_session->Dir().Path() + "report.pdf";
        QVERIFY(WriteBytes(path, "kept"));
        m_prompt->ExpectFile(path).PromptOverwrite(true);
        m_prompt->ExpectMessage(IDNO)
            .Text("report.pdf already exists.\nDo you want to replace it?")
            .DefaultAnswer(IDNO);
        m_prompt->ExpectFile(QString()).DefaultName(path);
        PrintInventoryReport(m_frame.get(), StoredRecord<CHome>(StoredHome("Alder")));
        QCOMPARE(ReadBytes(path), "kept");
    }

private:
    void SetUp() override
    {
        m_frame = std::make_unique<CMainFrame>(&m_session->Settings());

        m_frame->show();

        m_frame->CreateViews();

        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void TearDown() override { m_frame.reset(); }

    std::unique_ptr<CMainFrame> m_frame;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
