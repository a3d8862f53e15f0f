// Record ids and lookups.

#include "CSessionTest.h"
#include "QueryText.h"
#include "data/AppPaths.h"
#include "data/DataHelpers.h"

namespace {

QString NextIds()
{
    return QueryText("SELECT group_concat(TableName || '=' || ifnull(NextId, 'null')) FROM "
                     "(SELECT * FROM TableIds ORDER BY TableName);");
}

} // namespace

class TestDataHelpers final : public CSessionTest
{
    Q_OBJECT

private slots:
    void nextIds()
    {
        QVERIFY(AppDatabase()->Execute("UPDATE TableIds SET NextId=7 WHERE TableName='Tasks';"));
        QCOMPARE(GetNextId("Tasks"), 7L);
        QCOMPARE(GetNextId("Tasks"), 8L);
        QCOMPARE(GetNextId("tasks"), 9L); // table names compare regardless of case
        QCOMPARE(GetNextId("Homes"), 1L);
        QCOMPARE(NextIds(), "Areas=1,Assets=1,Categories=30,Homes=2,Loans=1,Tasks=10");

        // A NULL NextId reads as 0.
        QVERIFY(AppDatabase()->Execute("UPDATE TableIds SET NextId=NULL WHERE TableName='Loans';"));
        QCOMPARE(GetNextId("Loans"), 0L);
        QCOMPARE(GetNextId("Loans"), 1L);

        // A table without a row gets -1 and nothing is written.
        const QString before = NextIds();
        QCOMPARE(GetNextId("Pictures"), -1L);
        QCOMPARE(GetNextId("O'Hare'; DELETE FROM TableIds; --"), -1L);
        QCOMPARE(NextIds(), before);
    }

    void lookups()
    {
        QCOMPARE(LookupField(19, "Categories", "CategoryId", "CategoryType"), "1");
        QCOMPARE(LookupField(999, "Categories", "CategoryId", "Description"), QString());
        QCOMPARE(LookupField(19, "Categories", "CategoryId", "NoSuchColumn"), QString());

        QCOMPARE(GetConnectionString(), "Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" +
                                            m_session->Dir().Path() + "HOMEDATA.DAT';");

        QCOMPARE(LoadResString(1), QString());
    }

    void helpersWithoutASessionFindNothing()
    {
        SetAppDatabase(nullptr);
        QCOMPARE(GetNextId("Tasks"), -1L);
        QCOMPARE(LookupField(19, "Categories", "CategoryId", "Description"), QString());
        SetAppDatabase(&m_session->Dir().Database());
    }
};

QTEST_GUILESS_MAIN(TestDataHelpers)
#include "tst_data_helpers.moc"
