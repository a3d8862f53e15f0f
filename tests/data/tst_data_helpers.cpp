// Record ids, lookups, and money, numbers and dates as the user reads them.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "data/AppPaths.h"
#include "data/DataHelpers.h"
#include "data/DateTimeValue.h"
#include "data/Formatting.h"

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

    // The tests run with LANG=en_US.UTF-8: the user's locale is United States English.
    void moneyNumbersAndDatesInUnitedStatesEnglish()
    {
        QCOMPARE(FormatMoney(1234.567f), "$1,234.57");
        QCOMPARE(FormatMoney(0.0f), "$0.00");
        QVERIFY(FormatMoney(-42.0f).contains("$42.00"));
        QVERIFY(FormatMoney(-42.0f).startsWith('-') || FormatMoney(-42.0f).startsWith('('));

        QCOMPARE(FormatNumber(1200.5f, false, false), "1,200");
        QCOMPARE(FormatNumber(1200.5f, true, false), "1,200.50");
        QCOMPARE(FormatNumber(1200.5f, true, true), "1200.50");
        // Zero and negative values lose their fraction.
        QCOMPARE(FormatNumber(0.0f, true, true), "0");
        QCOMPARE(FormatNumber(-5.7f, true, true), "-5");
        QCOMPARE(FormatNumber(-5.7f, true, false), "-5.00");
        // Longer than the 19 characters the number format holds: nothing.
        QCOMPARE(FormatNumber(549755813888.0f, true, false), "549,755,813,888.00");
        QCOMPARE(FormatNumber(1099511627776.0f, true, false), QString());

        const DateTimeValue date = DateTimeValue::FromDateTime(QDateTime(QDate(2024, 3, 5), QTime(18, 30)));
        QCOMPARE(FormatDate(date, true), "Tuesday, March 5, 2024");
        QCOMPARE(FormatDate(date, false), "3/5/24");
        QCOMPARE(FormatDate(DateTimeValue(date.m_dt, DateTimeValue::null), true), QString());
    }

    void otherLocales()
    {
        // Decimals are cut at the locale's own separator.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FormatNumber(1200.5f, false, false), "1.200");
        QCOMPARE(FormatNumber(1200.5f, true, false), "1.200,50");
        QVERIFY(FormatMoney(1234.5f).contains("1.234,50"));

        // The C locale behaves as United States English.
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatMoney(1234.5f), "$1,234.50");
        QCOMPARE(FormatNumber(1200.5f, false, false), "1,200");
        QCOMPARE(FormatDate(DateTimeValue::FromDate(QDate(2024, 3, 5)), false), "3/5/24");
    }

private:
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

QTEST_GUILESS_MAIN(TestDataHelpers)
#include "tst_data_helpers.moc"
