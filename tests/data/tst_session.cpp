// The session with the data file: what opens, what fails and how it says so, and transactions.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "data/AppPaths.h"

#include <QtTest>

class TestSession final : public QObject
{
    Q_OBJECT

private slots:
    void opensTheDeliveredDatabaseInRollbackJournalMode()
    {
        CTestDataDir dir;
        CADODataBase& db = dir.Database();
        QVERIFY2(db.IsOpen(), qPrintable(db.GetLastError()));
        QCOMPARE(QueryText("SELECT * FROM pragma_journal_mode;"), "delete");
        // Nothing is left beside the file once a write is done: the file alone is the database.
        QVERIFY(db.Execute("INSERT INTO [Homes] ([HomeId]) VALUES (1);"));
        QCOMPARE(QDir(dir.Path()).entryList({"HOMEDATA.DAT*"}, QDir::Files), QStringList{"HOMEDATA.DAT"});
    }

    void failedOpensExplainThemselves_data()
    {
        QTest::addColumn<QByteArray>("content"); // "missing": no file at all
        QTest::addColumn<QString>("codeLines");
        QTest::newRow("missing") << QByteArray("missing")
                                 << "\tCode = 0000000e\n\tCode meaning = unable to open database file\n"
                                    "\tSource = SQLite\n\tDescription = unable to open database file\n";
        QTest::newRow("random bytes")
            << QByteArray("This is not a database, just some bytes of text.").repeated(200)
            << "\tCode = 0000001a\n\tCode meaning = file is not a database\n"
               "\tSource = SQLite\n\tDescription = file is not a database\n";
        QTest::newRow("empty") << QByteArray()
                               << "\tCode = 00000001\n\tCode meaning = SQL logic error\n"
                                  "\tSource = SQLite\n\tDescription = no such table: Areas\n";
    }

    // The file is never created and never changed.
    void failedOpensExplainThemselves()
    {
        CTestDataDir dir;
        QVERIFY(dir.IsValid());
        QFETCH(QByteArray, content);
        QFETCH(QString, codeLines);
        const bool missing = content == "missing";
        QVERIFY(missing ? QFile::remove(dir.DatabasePath()) : WriteBytes(dir.DatabasePath(), content));
        CADODataBase db;
        QVERIFY(!db.Open(GetConnectionString()));
        QVERIFY(!db.IsOpen());
        QCOMPARE(db.GetLastError(),
                 "Connection String = " + GetConnectionString() + "\nCADODataBase Error\n" + codeLines);
        QCOMPARE(QFile::exists(dir.DatabasePath()), !missing);
        QCOMPARE(ReadBytes(dir.DatabasePath()), missing ? QByteArray() : content);
    }

    void reopenAndExecuteReportFailures()
    {
        CTestDataDir dir;
        CADODataBase& db = dir.Database();
        QVERIFY(db.Open());
        QCOMPARE(db.GetConnectionString(), GetConnectionString());
        QVERIFY(!db.Execute("DELETE FROM Nowhere;"));
        QVERIFY(db.GetLastError().endsWith("\tDescription = no such table: Nowhere\n"));

        // A file missing one of the program's tables is not its database.
        QVERIFY(db.Execute("DROP TABLE Tasks;"));
        QVERIFY(!db.Open());
        QVERIFY(db.GetLastError().endsWith("\tDescription = no such table: Tasks\n"));
        QCOMPARE(db.GetLastErrorCode(), 1u);

        CADODataBase closed;
        QVERIFY(!closed.Execute("DELETE FROM Homes;"));
        QVERIFY(closed.GetLastError().startsWith("Connection String = \nCADODataBase Error\n"));
    }

    void transactionsKeepAllOrNothing()
    {
        CTestDataDir dir;
        CADODataBase& db = dir.Database();
        QVERIFY(db.BeginTrans());
        QVERIFY(db.Execute("INSERT INTO [Homes] ([HomeId]) VALUES (1);"));
        QVERIFY(db.RollbackTrans());
        QVERIFY(db.BeginTrans());
        QVERIFY(db.Execute("INSERT INTO [Homes] ([HomeId]) VALUES (2);"));
        QVERIFY(db.CommitTrans());
        QVERIFY(!db.CommitTrans());
        QCOMPARE(QueryText("SELECT group_concat(HomeId) FROM Homes;"), "2");

        // Closing in the middle of a transaction keeps none of it.
        QVERIFY(db.BeginTrans());
        QVERIFY(db.Execute("DELETE FROM Homes;"));
        db.Close();
        QVERIFY(db.Open());
        QCOMPARE(RowCount("Homes"), 1L);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
