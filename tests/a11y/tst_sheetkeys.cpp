// Number edits in the user's locale (its decimal separator, grouping accepted, refusals naming the
// field), date pickers and property sheets by keyboard.

#include "CSessionTest.h"
#include "controls/CPropertyPage.h"
#include "controls/CPropertySheet.h"
#include "platform/WindowPlacement.h"
#include "records/sheets/DatePickers.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"

#include <QtWidgets>

namespace {
class CTwoFields final : public CPropertyPage
{
public:
    CTwoFields() : CPropertyPage("Page"), first(new QLineEdit(this)), second(new QLineEdit(this)) {}
    bool DoDataExchange(bool) override { return true; }
    QLineEdit* first;
    QLineEdit* second;
};
} // namespace

class TestSheetKeys final : public CSessionTest
{
    Q_OBJECT

private slots:
    void readAndWritten_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("read"); // -1: refused
        QTest::newRow("de grouped") << "de_DE" << QString("250.000,50") << 250000.5;
        QTest::newRow("de plain") << "de_DE" << QString("250000,50") << 250000.5;
        QTest::newRow("de thousand") << "de_DE" << QString("1.000") << 1000.0;
        QTest::newRow("de point is no decimal") << "de_DE" << QString("1.5") << -1.0;
        QTest::newRow("de empty is 0") << "de_DE" << QString() << 0.0;
        QTest::newRow("en grouped") << "en_US" << QString("250,000.50") << 250000.5;
        QTest::newRow("C words") << "C" << QString("a lot") << -1.0;
    }

    void readAndWritten()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, read);
        QLocale::setDefault(QLocale(locale));
        QWidget page;
        auto* edit = new QLineEdit(text, &page);
        BuddyLabel("Interest &Rate:", edit, &page);
        const QString point = locale == "de_DE" ? "," : ".";
        if (read < 0)
            m_prompt->ExpectMessage(IDOK).Text("Interest Rate must be a number, for example 6" + point + "5");
        float value = 42.0f;
        QCOMPARE(ReadNumber(edit, value), read >= 0);
        QCOMPARE(double(value), read >= 0 ? read : 42.0);
        WriteNumber(edit, 250000.5f);
        QCOMPARE(edit->text(), "250000" + point + "50");
        WritePlainNumber(edit, 3.875f);
        QCOMPARE(edit->text(), "3" + point + "875");
    }

    // Focus on the month, never on the weekday; F4 and Alt+Down drop the calendar down.
    void datePickerByKeys()
    {
        QDateEdit picker;
        ConfigureDatePicker(&picker);
        picker.setDate(QDate(2020, 5, 5));
        picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        picker.setFocus();
        QTRY_COMPARE(picker.currentSectionIndex(), 1);
        QTest::keyClick(&picker, Qt::Key_Left);
        QTest::keyClick(&picker, Qt::Key_Up);
        QCOMPARE(picker.date(), QDate(2020, 6, 5));
        for (const auto& [key, modifier] :
             {std::pair(Qt::Key_F4, Qt::NoModifier), {Qt::Key_Down, Qt::AltModifier}}) {
            picker.calendarWidget()->window()->hide();
            QTest::keyClick(&picker, key, modifier);
            QVERIFY(picker.calendarWidget()->isVisible());
        }
    }

    // Fields, OK, Cancel, the tab bar and round again; Ctrl+PgDn changes the page from anywhere.
    void sheetTabsRoundItsPage()
    {
        CPropertySheet sheet("Sheet");
        auto* page = new CTwoFields;
        sheet.AddPage(page);
        sheet.AddPage(new CTwoFields);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        page->first->setFocus();
        const QList<QWidget*> round = {page->second, sheet.findChild<QWidget*>("okButton"),
                                       sheet.findChild<QWidget*>("cancelButton"), sheet.findChild<QTabBar*>(),
                                       page->first};
        for (QWidget* expected : round) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(sheet.GetActiveIndex(), 1);
    }

    void placementMostlyOffScreenIsCentred_data()
    {
        QTest::addColumn<int>("shownWidth"); // of 400 pixels, the rest right of the screen
        QTest::addColumn<bool>("centred");
        QTest::newRow("a quarter shows") << 100 << true;
        QTest::newRow("three quarters show") << 300 << false;
    }

    void placementMostlyOffScreenIsCentred()
    {
        QFETCH(int, shownWidth);
        QFETCH(bool, centred);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget saved;
        saved.setGeometry(screen.right() + 1 - shownWidth, screen.top() + 10, 400, 300);
        QWidget window;
        QVERIFY(WindowPlacement::Apply(WindowPlacement::Take(saved), window));
        QCOMPARE(window.geometry().center() == screen.center(), centred);
    }

private:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

QTEST_MAIN(TestSheetKeys)
#include "tst_sheetkeys.moc"
