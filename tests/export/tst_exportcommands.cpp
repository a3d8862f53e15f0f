// The main frame's export, report and movie commands, each opening its own dialog or file chooser.

#include "CSessionTest.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"

#include <QtTest>

class TestExportCommands final : public CSessionTest
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
    CMainFrame frame(&m_session->Settings());
    frame.CreateViews();
    frame.SelectHome(StoredHome("Maple House"));
    if (dialogClass.isEmpty()) {
        m_prompt->ExpectFile(QString()).DefaultName("Maple House Inventory Report");
    } else {
        m_prompt->ExpectModal([](QDialog& dialog) { dialog.reject(); }).DialogClass(dialogClass);
    }
    frame.OnCommand(command);
}

QTEST_MAIN(TestExportCommands)
#include "tst_exportcommands.moc"
