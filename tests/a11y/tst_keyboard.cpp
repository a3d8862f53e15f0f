// Without a mouse, with a screen reader, in a dark theme: list keys, Home Today links, the frame's
// shortcuts, delete questions defaulting to No, readable fixed colours.

#include "CSessionTest.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "controls/Theme.h"
#include "platform/Settings.h"
#include "records/CHome.h"
#include "res/StringIds.h"
#include "views/CHomeMgrView.h"
#include "views/CRoomsView.h"
#include "views/CTodayView.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestKeyboard final : public CSessionTest
{
    Q_OBJECT

private slots:
    void homeOpensByKey_data();
    void homeOpensByKey();
    void todayLinesAreLinks();
    void viewShortcutsAndMenuKey();
    void fixedColoursReadInADarkTheme();

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

void TestKeyboard::homeOpensByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
}

// The focused row is the selected one: Delete asks (No by default) about it, Enter opens it.
void TestKeyboard::homeOpensByKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    StoredHome(QStringLiteral("Alder"));
    const long birch = StoredHome(QStringLiteral("Birch"));
    m_frame->FillHomesList(birch);
    CAutoListCtrl& list = *m_frame->GetHomesView()->GetList();
    QCOMPARE(list.currentIndex().row(), 1);
    m_session->Prompt().ExpectMessage(IDNO).TextId(IDS_DELETE_HOME_QUESTION).DefaultAnswer(IDNO);
    QTest::keyClick(&list, Qt::Key_Delete);
    QTest::keyClick(&list, Qt::Key(key), modifiers);
    QCOMPARE(m_frame->GetCurrentHomeId(), birch);
    QCOMPARE(QApplication::focusWidget(), m_frame->GetTodayView()->GetLine(CTodayView::DescriptionLine));
}

// Tab reaches each Home Today line; Enter, Space and the press action follow it; it reads as a link.
void TestKeyboard::todayLinesAreLinks()
{
    m_frame->SelectHome(StoredHome(QStringLiteral("Alder")));
    CTodayView& today = *m_frame->GetTodayView();
    QSignalSpy tasks(&today, &CTodayView::newTasksRequested);
    for (int opened = 0; opened < 3; ++opened)
        m_session->Prompt().ExpectModal([](QDialog& dialog) { dialog.reject(); });
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

void TestKeyboard::viewShortcutsAndMenuKey()
{
    m_frame->SelectHome(StoredHome(QStringLiteral("Alder")));
    QTest::keyClick(m_frame.get(), Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetRoomsView()));
    QTest::keyClick(m_frame.get(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetTodayView()));
    QVERIFY(m_frame->GetCommand(ID_VIEW_INVENTORY)->toolTip().endsWith(QStringLiteral("(Ctrl+3)")));
    QTest::keyClick(m_frame.get(), Qt::Key_F10);
    QCOMPARE(m_frame->menuBar()->activeAction(), m_frame->menuBar()->actions().value(0));
}

// At least 4.5:1 wherever the program fixes a colour, the example blue on a dark page included.
void TestKeyboard::fixedColoursReadInADarkTheme()
{
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(53, 53, 53)));
    CMainFrame frame(nullptr);
    QWidget page;
    CLabel example(0, QStringLiteral("(e.g: my summer home)"), &page);
    example.SetTextColor(Theme::HeadingColor());
    example.SetBkColor(Qt::transparent);
    const QList<std::pair<const QWidget*, QPalette::ColorRole>> texts = {
        {frame.menuBar(), QPalette::ButtonText},
        {frame.GetHomesView()->GetList(), QPalette::Text},
        {&example, QPalette::WindowText}};
    for (const auto& [widget, role] : texts) {
        const QPalette& colours = widget->palette();
        QVERIFY(Theme::ContrastRatio(colours.color(role), colours.color(widget->backgroundRole())) >= 4.5);
    }
    QCOMPARE(Theme::ReadableOn(Theme::HeadingColor(), Qt::white), Theme::HeadingColor());
    QApplication::setPalette(saved);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
