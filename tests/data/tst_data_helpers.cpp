// Record ids and lookups.

#include "CSessionTest.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/DataHelpers.h"

#include <QtTest>

class TestDataHelpers final : public CSessionTest
{
    Q_OBJECT

private slots:
    void nextIds();
    void lookups();
    void helpersWithoutASessionFindNothing();

private:
    QString NextIds();
};

QString TestDataHelpers::NextIds()
{
    CADORecordset rows(AppDatabase());
    QString all;
    if (rows.Open(QStringLiteral("SELECT group_concat(TableName || '=' || ifnull(NextId, 'null')) FROM "
                                 "(SELECT * FROM TableIds ORDER BY TableName);")))
        rows.GetFieldValue(0, all);
    return all;
}

void TestDataHelpers::nextIds()
{
    QVERIFY(AppDatabase()->Execute(QStringLiteral("UPDATE TableIds SET NextId=7 WHERE TableName='Tasks';")));
    QCOMPARE(GetNextId(QStringLiteral("Tasks")), 7L);
    QCOMPARE(GetNextId(QStringLiteral("Tasks")), 8L);
    QCOMPARE(GetNextId(QStringLiteral("tasks")), 9L); // table names compare regardless of case
    QCOMPARE(GetNextId(QStringLiteral("Homes")), 1L);
    QCOMPARE(NextIds(), QStringLiteral("Areas=1,Assets=1,Categories=30,Homes=2,Loans=1,Tasks=10"));

    // A NULL NextId reads as 0.
    QVERIFY(
        AppDatabase()->Execute(QStringLiteral("UPDATE TableIds SET NextId=NULL WHERE TableName='Loans';")));
    QCOMPARE(GetNextId(QStringLiteral("Loans")), 0L);
    QCOMPARE(GetNextId(QStringLiteral("Loans")), 1L);

    // A table without a row gets -1 and nothing is written.
    const QString before = NextIds();
    QCOMPARE(GetNextId(QStringLiteral("Pictures")), -1L);
    QCOMPARE(GetNextId(QStringLiteral("O'Hare'; DELETE FROM TableIds; --")), -1L);
    QCOMPARE(NextIds(), before);
}

void TestDataHelpers::lookups()
{
    const QString categories = QStringLiteral("Categories");
    const QString key = QStringLiteral("CategoryId");
    QCOMPARE(LookupField(19, categories, key, QStringLiteral("Description")),
             QStringLiteral("Video Library"));
    QCOMPARE(LookupField(19, categories, key, QStringLiteral("CategoryType")), QStringLiteral("1"));
    QCOMPARE(LookupField(999, categories, key, QStringLiteral("Description")), QString());
    QCOMPARE(LookupField(19, categories, key, QStringLiteral("NoSuchColumn")), QString());

    QCOMPARE(GetConnectionString(), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='") +
                                        m_session->Dir().Path() + QStringLiteral("HOMEDATA.DAT';"));

    QCOMPARE(LoadResString(1), QString());
}

void TestDataHelpers::helpersWithoutASessionFindNothing()
{
    SetAppDatabase(nullptr);
    QCOMPARE(GetNextId(QStringLiteral("Tasks")), -1L);
    QCOMPARE(LookupField(19, QStringLiteral("Categories"), QStringLiteral("CategoryId"),
                         QStringLiteral("Description")),
             QString());
    SetAppDatabase(&m_session->Dir().Database());
}

QTEST_GUILESS_MAIN(TestDataHelpers)
#include "tst_data_helpers.moc"
