// The main frame's export, report and movie commands, each opening its own dialog or file chooser.

#include "CTestSession.h"
#include "app/CMainFrame.h"
#include "records/CHome.h"

#include <QtTest>

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
    QTest::newRow("export") << int(ID_EXPORT) << "CDlgExportInventory";
    QTest::newRow("movie") << int(ID_RECOMMEND_MOVIE) << "CDlgRecommendMovie";
    QTest::newRow("report") << int(ID_INVENTORY_REPORT) << QString();
}

void TestExportCommands::commandOpensItsDialog()
{
    QFETCH(int, command);
    QFETCH(QString, dialogClass);
    CTestSession session;
    QVERIFY2(session.Problem().isEmpty(), qPrintable(session.Problem()));
    CHome home;
    home.SetDescription("Maple House");
    QVERIFY(home.Save());
    CMainFrame frame(&session.Settings());
    frame.CreateViews();
    frame.SelectHome(home.GetId());
    if (dialogClass.isEmpty()) {
        session.Prompt().ExpectFile(QString()).DefaultName("Maple House Inventory Report");
    } else {
        session.Prompt().ExpectModal([](QDialog& dialog) { dialog.reject(); }).DialogClass(dialogClass);
    }
    frame.OnCommand(command);
    QVERIFY2(session.Finish().isEmpty(), qPrintable(session.Finish()));
}

QTEST_MAIN(TestExportCommands)
#include "tst_exportcommands.moc"
