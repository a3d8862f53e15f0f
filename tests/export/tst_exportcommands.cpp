// The main frame's export, report and movie commands: off without a current home, and with one each
// opens its own dialog or file chooser for that home.

#include "CTestSession.h"
#include "app/CMainFrame.h"
#include "records/CHome.h"

#include <QAction>
#include <QtTest>

#include <memory>

class TestExportCommands final : public QObject
{
    Q_OBJECT

private slots:
    void commandOpensItsDialog_data();
    void commandOpensItsDialog();
};

void TestExportCommands::commandOpensItsDialog_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("export") << int(ID_EXPORT) << "CDlgExportInventory" << QString();
    QTest::newRow("movie") << int(ID_RECOMMEND_MOVIE) << "CDlgRecommendMovie" << QString();
    QTest::newRow("report") << int(ID_INVENTORY_REPORT) << QString() << "Maple House Inventory Report";
}

void TestExportCommands::commandOpensItsDialog()
{
    QFETCH(int, command);
    QFETCH(QString, dialogClass);
    QFETCH(QString, fileName);
    CTestSession session;
    QVERIFY2(session.Problem().isEmpty(), qPrintable(session.Problem()));
    CHome home;
    home.SetDescription(QStringLiteral("Maple House"));
    QVERIFY(home.Save());
    CMainFrame frame(&session.Settings());
    frame.CreateViews();
    QVERIFY(!frame.GetCommand(command)->isEnabled());
    frame.SelectHome(home.GetId());
    QVERIFY(frame.GetCommand(command)->isEnabled());
    if (fileName.isEmpty()) {
        session.Prompt().ExpectModal([](QDialog& dialog) { dialog.reject(); }).DialogClass(dialogClass);
    } else {
        session.Prompt().ExpectFile(QString()).DefaultName(fileName);
    }
    frame.OnCommand(command);
    QVERIFY2(session.Finish().isEmpty(), qPrintable(session.Finish()));
}

QTEST_MAIN(TestExportCommands)
#include "tst_exportcommands.moc"
