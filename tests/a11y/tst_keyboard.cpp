// Using the program without a mouse, with a screen reader and in a dark theme: list keys, the Home
// Today links, the frame's shortcuts, delete questions defaulting to No, and readable colours.

#include "CTestSession.h"
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

namespace {

long StoredHome(const QString& description)
{
    CHome home;
    home.SetDescription(description);
    return home.Save() ? home.GetId() : -1;
}

QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return dark;
}

} // namespace

class TestKeyboard final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void homeOpensByKey_data();
    void homeOpensByKey();
    void deleteQuestionDefaultsToNo();
    void todayLinesAreLinks();
    void viewShortcutsAndMenuKey();
    void fixedBackgroundsKeepTheirTextReadable_data();
    void fixedBackgroundsKeepTheirTextReadable();

private:
    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;
    std::unique_ptr<CRegistryKey> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestKeyboard::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    m_prompt = &m_session->Prompt();
    m_settings = std::make_unique<CRegistryKey>();
    QVERIFY(m_settings->Create(RegistryRoot::CurrentUser, Settings::kKeyPath));
    m_frame = std::make_unique<CMainFrame>(m_settings.get());
    m_frame->show();
    m_frame->CreateViews();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
}

void TestKeyboard::cleanup()
{
    m_frame.reset();
    const QString problems = m_session->Finish();
    m_settings.reset();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestKeyboard::homeOpensByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
}

// The focused row is the selected row, and Enter or Space on it opens that home.
void TestKeyboard::homeOpensByKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    StoredHome(QStringLiteral("Alder"));
    const long birch = StoredHome(QStringLiteral("Birch"));
    m_frame->FillHomesList(birch);
    CAutoListCtrl& list = *m_frame->GetHomesView()->GetList();
    QCOMPARE(list.currentIndex().row(), list.GetCurSel());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.GetCurSel(), 1);
    QTest::keyClick(&list, Qt::Key(key), modifiers);
    QCOMPARE(m_frame->GetCurrentHomeId(), birch);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetTodayView()));
    QVERIFY(m_frame->GetTodayView()->isAncestorOf(QApplication::focusWidget()));
}

void TestKeyboard::deleteQuestionDefaultsToNo()
{
    m_frame->FillHomesList(StoredHome(QStringLiteral("Alder")));
    m_prompt->ExpectMessage(IDNO).TextId(IDS_DELETE_HOME_QUESTION).DefaultAnswer(IDNO);
    QTest::keyClick(m_frame->GetHomesView()->GetList(), Qt::Key_Delete);
    QCOMPARE(m_frame->GetHomesView()->GetList()->GetItemCount(), 1);
}

// Each Home Today line takes the focus in turn, reads as a link named by its text, and answers
// Enter, Space and the press action as a click.
void TestKeyboard::todayLinesAreLinks()
{
    m_frame->SelectHome(StoredHome(QStringLiteral("Alder")));
    CTodayView& today = *m_frame->GetTodayView();
    QSignalSpy inventory(&today, &CTodayView::newAssetRequested);
    QSignalSpy tasks(&today, &CTodayView::newTasksRequested);
    QCOMPARE(QApplication::focusWidget(), today.GetLine(CTodayView::DescriptionLine));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    CLabel* tasksLine = today.GetLine(CTodayView::TasksLine);
    QCOMPARE(QApplication::focusWidget(), tasksLine);
    QTest::keyClick(tasksLine, Qt::Key_Space);
    QCOMPARE(tasks.count(), 1);
    QTest::keyClick(tasksLine, Qt::Key_Tab);
    m_prompt->ExpectModal([this](QDialog& sheet) { m_prompt->PressCancel(sheet); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(inventory.count(), 1);

    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(tasksLine);
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), tasksLine->text());
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tasks.count(), 2);
}

void TestKeyboard::viewShortcutsAndMenuKey()
{
    const QList<int> views = {ID_VIEW_TODAY, ID_VIEW_TASKS, ID_VIEW_INVENTORY, ID_VIEW_LOCATIONS};
    for (int number = 1; number <= views.size(); ++number) {
        const QAction* action = m_frame->GetCommand(views.at(number - 1));
        const QKeySequence keys(QStringLiteral("Ctrl+%1").arg(number));
        QCOMPARE(action->shortcut(), keys);
        QVERIFY(action->toolTip().endsWith(keys.toString(QKeySequence::NativeText) + QLatin1Char(')')));
    }
    m_frame->SelectHome(StoredHome(QStringLiteral("Alder")));
    QTest::keyClick(m_frame.get(), Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetRoomsView()));
    QTest::keyClick(m_frame.get(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetTodayView()));
    QTest::keyClick(m_frame.get(), Qt::Key_F10);
    QCOMPARE(m_frame->menuBar()->activeAction(), m_frame->menuBar()->actions().value(0));
}

void TestKeyboard::fixedBackgroundsKeepTheirTextReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light theme") << false;
    QTest::newRow("dark theme") << true;
}

// Contrast of at least 4.5:1 wherever the program fixes a colour, in either theme.
void TestKeyboard::fixedBackgroundsKeepTheirTextReadable()
{
    QFETCH(bool, dark);
    const QPalette saved = QApplication::palette();
    if (dark)
        QApplication::setPalette(DarkPalette());
    CMainFrame frame(nullptr);
    frame.CreateViews();
    const auto contrast = [](const QWidget& widget, QPalette::ColorRole text, QPalette::ColorRole back) {
        return Theme::ContrastRatio(widget.palette().color(text), widget.palette().color(back));
    };
    QVERIFY(contrast(*frame.menuBar(), QPalette::WindowText, QPalette::Window) >= Theme::kMinimumContrast);
    const CAutoListCtrl& homes = *frame.GetHomesView()->GetList();
    QVERIFY(contrast(homes, QPalette::Text, QPalette::Base) >= Theme::kMinimumContrast);

    QWidget page;
    CLabel example(0, QStringLiteral("e.g. 6.5"), &page);
    example.SetTextColor(Theme::HeadingColor());
    example.SetBkColor(Qt::transparent);
    QVERIFY(contrast(example, QPalette::WindowText, QPalette::Window) >= Theme::kMinimumContrast);
    // Where the blue already reads it is kept exactly.
    QCOMPARE(Theme::ReadableOn(Theme::HeadingColor(), Qt::white), Theme::HeadingColor());
    QApplication::setPalette(saved);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
