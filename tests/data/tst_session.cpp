// The session with the data file: what opens, what fails and how it says so, transactions, and the
// database as delivered.

#include "CTestDataDir.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QtTest>

class TestSession final : public QObject
{
    Q_OBJECT

private slots:
    void opensTheDeliveredDatabaseInRollbackJournalMode();
    void failedOpensExplainThemselves_data();
    void failedOpensExplainThemselves();
    void reopenAndExecuteReportFailures();
    void transactionsKeepAllOrNothing();
    void deliveredRowsAndCaseBlindSorting();

private:
    static QString Text(CADODataBase& db, const QString& sql);
};

QString TestSession::Text(CADODataBase& db, const QString& sql)
{
    CADORecordset rows(&db);
    QString value;
    if (!rows.Open(sql) || !rows.GetFieldValue(0, value))
        qWarning().noquote() << rows.GetLastError();
    return value;
}

void TestSession::opensTheDeliveredDatabaseInRollbackJournalMode()
{
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    CADODataBase& db = dir.Database();
    QVERIFY2(db.IsOpen(), qPrintable(db.GetLastError()));
    QCOMPARE(Text(db, QStringLiteral("SELECT * FROM pragma_journal_mode;")), QStringLiteral("delete"));

    // Nothing is left beside the file once a write is done: the file alone is the database.
    QVERIFY(db.Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId]) VALUES (1);")));
    QCOMPARE(QDir(dir.Path()).entryList({QStringLiteral("HOMEDATA.DAT*")}, QDir::Files),
             QStringList{QStringLiteral("HOMEDATA.DAT")});
}

void TestSession::failedOpensExplainThemselves_data()
{
    QTest::addColumn<QByteArray>("content"); // "missing": no file at all
    QTest::addColumn<QString>("codeLines");
    QTest::newRow("missing") << QByteArray("missing")
                             << QStringLiteral(
                                    "\tCode = 0000000e\n\tCode meaning = unable to open database file\n"
                                    "\tSource = SQLite\n\tDescription = unable to open database file\n");
    QTest::newRow("random bytes")
        << QByteArray("This is not a database, just some bytes of text.").repeated(200)
        << QStringLiteral("\tCode = 0000001a\n\tCode meaning = file is not a database\n"
                          "\tSource = SQLite\n\tDescription = file is not a database\n");
    QTest::newRow("empty") << QByteArray()
                           << QStringLiteral("\tCode = 00000001\n\tCode meaning = SQL logic error\n"
                                             "\tSource = SQLite\n\tDescription = no such table: Areas\n");
}

void TestSession::failedOpensExplainThemselves()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, codeLines);
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    QVERIFY(QFile::remove(dir.DatabasePath()));
    if (content != "missing") {
        QFile file(dir.DatabasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    CADODataBase db;
    const QString connection = GetConnectionString();
    QVERIFY(!db.Open(connection));
    QVERIFY(!db.IsOpen());
    QCOMPARE(db.GetLastError(), QStringLiteral("Connection String = ") + connection +
                                    QStringLiteral("\nCADODataBase Error\n") + codeLines);
    QCOMPARE(QFile::exists(dir.DatabasePath()), content != "missing"); // never created
    if (content != "missing") {
        QFile file(dir.DatabasePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content); // and never changed
    }
}

void TestSession::reopenAndExecuteReportFailures()
{
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    CADODataBase& db = dir.Database();
    QVERIFY(db.Open());
    QCOMPARE(db.GetConnectionString(), GetConnectionString());
    QVERIFY(!db.Execute(QStringLiteral("DELETE FROM Nowhere;")));
    QVERIFY(db.GetLastError().endsWith(QStringLiteral("\tDescription = no such table: Nowhere\n")));

    // A file missing one of the program's tables is not its database.
    QVERIFY(db.Execute(QStringLiteral("DROP TABLE Tasks;")));
    QVERIFY(!db.Open());
    QVERIFY(db.GetLastError().endsWith(QStringLiteral("\tDescription = no such table: Tasks\n")));
    QCOMPARE(db.GetLastErrorCode(), 1u);

    CADODataBase closed;
    QVERIFY(!closed.Execute(QStringLiteral("DELETE FROM Homes;")));
    QVERIFY(closed.GetLastError().startsWith(QStringLiteral("Connection String = \nCADODataBase Error\n")));
}

void TestSession::transactionsKeepAllOrNothing()
{
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    CADODataBase& db = dir.Database();
    QVERIFY(db.BeginTrans());
    QVERIFY(db.Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId]) VALUES (1);")));
    QVERIFY(db.RollbackTrans());
    QVERIFY(db.BeginTrans());
    QVERIFY(db.Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId]) VALUES (2);")));
    QVERIFY(db.CommitTrans());
    QVERIFY(!db.CommitTrans());
    QCOMPARE(Text(db, QStringLiteral("SELECT group_concat(HomeId) FROM Homes;")), QStringLiteral("2"));

    // Closing in the middle of a transaction keeps none of it.
    QVERIFY(db.BeginTrans());
    QVERIFY(db.Execute(QStringLiteral("DELETE FROM Homes;")));
    db.Close();
    QVERIFY(db.Open());
    QCOMPARE(Text(db, QStringLiteral("SELECT COUNT(*) FROM Homes;")), QStringLiteral("1"));
}

void TestSession::deliveredRowsAndCaseBlindSorting()
{
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    CADODataBase& db = dir.Database();
    QCOMPARE(Text(db, QStringLiteral("SELECT NextId > MAX(CategoryId) FROM TableIds, Categories "
                                     "WHERE TableName='Categories';")),
             QStringLiteral("1"));

    QVERIFY(db.Execute(QStringLiteral("INSERT INTO Areas (AreaId, HomeId, Description) VALUES "
                                      "(1, 1, 'kitchen'), (2, 1, 'Attic'), (3, 1, 'bathroom');")));
    QCOMPARE(Text(db, QStringLiteral("SELECT group_concat(Description) FROM (SELECT Description FROM Areas "
                                     "ORDER BY Description);")),
             QStringLiteral("Attic,bathroom,kitchen"));
    QCOMPARE(Text(db, QStringLiteral("SELECT NextId FROM TableIds WHERE TableName='AREAS';")),
             QStringLiteral("1"));
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
