// Typed field access: every kind a field can carry against every getter the program uses.

#include "CSessionTest.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QtTest>

namespace {

// One row of every kind (types spelt with sizes and two words too), one row of NULLs, and values at
// the edges of the 16-bit and decimal kinds.
const char* const kindsTable =
    "CREATE TABLE Kinds (Id LONG PRIMARY KEY, S SHORT, L LONG, B BYTE, F SINGLE, D DOUBLE PRECISION, M "
    "CURRENCY, "
    "T DATETIME, X TEXT(50), Y BIT, N DECIMAL(18, 4));"
    "INSERT INTO Kinds VALUES (1, -2, 70000, 200, 1.5, 100.0, 12.5, 45000.5, '12.5', 1, 12.345);"
    "INSERT INTO Kinds (Id) VALUES (2);"
    "INSERT INTO Kinds (Id, S, L, D, N) VALUES (3, 65535, -70000, 0.1, 5000000000);";

// Each field read into a value that starts as `start` must be accepted and give its expected value.
template <typename T>
void Reads(CADORecordset& row, std::initializer_list<std::pair<const char*, T>> expected, T start)
{
    for (const auto& [field, value] : expected) {
        T read = start;
        QVERIFY2(row.GetFieldValue(QString::fromLatin1(field), read), field);
        QCOMPARE(read, value);
    }
}

template <typename T>
void Refuses(CADORecordset& row, std::initializer_list<const char*> fields, T start, T after)
{
    for (const char* field : fields) {
        T read = start;
        QVERIFY2(!row.GetFieldValue(QString::fromLatin1(field), read), field);
        QCOMPARE(read, after);
    }
}

} // namespace

class TestRecordsetConversion final : public CSessionTest
{
    Q_OBJECT

private slots:
    void integerGetters();
    void doubleAndFloatGetters();
    void textGetter();
    void dateGetter();
    void expressionsAndPositions();
    void failedReadsLeaveOutputAndErrorText();
    void dayCountsConvertBothWays();

private:
    void SetUp() override;
    void TearDown() override { m_row.reset(); }
    CADORecordset& Row(int id);

    std::unique_ptr<CADORecordset> m_row;
};

void TestRecordsetConversion::SetUp()
{
    QVERIFY2(AppDatabase()->Execute(QString::fromLatin1(kindsTable)),
             qPrintable(AppDatabase()->GetLastError()));
}

CADORecordset& TestRecordsetConversion::Row(int id)
{
    m_row = std::make_unique<CADORecordset>(AppDatabase());
    if (!m_row->Open(QStringLiteral("SELECT * FROM Kinds WHERE Id=%1;").arg(id)) || m_row->IsEof())
        qWarning().noquote() << "row" << id << "not read:" << m_row->GetLastError();
    return *m_row;
}

void TestRecordsetConversion::integerGetters()
{
    // A bit reads as -1; 65535 kept in a 16-bit column is -1 at that width and stays -1 widened.
    Reads<long>(Row(1), {{"S", -2}, {"L", 70000}, {"B", 200}, {"Y", -1}}, 99);
    Reads<long>(Row(2), {{"L", 0}}, 99);
    Reads<long>(Row(3), {{"S", -1}, {"L", -70000}}, 99);

    // The 16-bit getter takes only the small kinds.
    Reads<int>(Row(1), {{"S", -2}, {"B", 200}, {"Y", -1}}, 99);
    Refuses<int>(*m_row, {"L", "F", "D", "M", "T", "X", "N"}, 99, 0);
    Reads<int>(Row(2), {{"S", 0}}, 99);
    Reads<int>(Row(3), {{"S", -1}}, 99);
}

void TestRecordsetConversion::doubleAndFloatGetters()
{
    Reads<double>(Row(1),
                  {{"S", -2.0},
                   {"L", 70000.0},
                   {"B", 200.0},
                   {"F", 1.5},
                   {"D", 100.0},
                   {"M", 12.5},
                   {"T", 45000.5},
                   {"N", 12.345}},
                  -1.0);
    double text = -1.0;
    QVERIFY(!m_row->GetFieldValue(QStringLiteral("X"), text));

    Reads<double>(Row(2), {{"D", 0.0}}, -1.0);
    Reads<float>(*m_row, {{"T", 0.0f}}, -1.0f);

    // A double is narrowed for the float getter; a decimal keeps only its low 32 mantissa bits.
    Reads<float>(Row(3), {{"D", 0.1f}}, 0.0f);
    Reads<double>(*m_row, {{"N", 5000000000.0 - 4294967296.0}}, 0.0);
}

void TestRecordsetConversion::textGetter()
{
    const QString start = QStringLiteral("unchanged");
    Reads<QString>(Row(1),
                   {{"S", QStringLiteral("-2")},
                    {"L", QStringLiteral("70000")},
                    {"B", QStringLiteral("200")},
                    {"F", QStringLiteral("1.5")},
                    {"D", QStringLiteral("100.")},
                    {"T", QStringLiteral("2023-03-15 12:00:00")},
                    {"X", QStringLiteral("12.5")}},
                   start);
    Refuses<QString>(*m_row, {"Y", "M", "N"}, start, QString());
    Reads<QString>(Row(2), {{"X", QString()}}, start);
    Reads<QString>(Row(3), {{"D", QStringLiteral("0.1")}}, start);
}

void TestRecordsetConversion::dateGetter()
{
    DateTimeValue date(1.0, DateTimeValue::invalid);
    QVERIFY(Row(1).GetFieldValue(QStringLiteral("T"), date));
    QCOMPARE(date.m_dt, 45000.5);
    QCOMPARE(date.m_status, DateTimeValue::valid);
    QCOMPARE(date.ToDateTime(), QDateTime(QDate(2023, 3, 15), QTime(12, 0)));
    for (const char* refused : {"S", "L", "D", "X", "Y"}) {
        DateTimeValue untouched(7.0);
        QVERIFY2(!m_row->GetFieldValue(QString::fromLatin1(refused), untouched), refused);
        QCOMPARE(untouched.m_dt, 7.0);
    }
    // NULL leaves the output alone.
    DateTimeValue kept(7.0);
    QVERIFY(Row(2).GetFieldValue(QStringLiteral("T"), kept));
    QCOMPARE(kept.m_dt, 7.0);
}

void TestRecordsetConversion::expressionsAndPositions()
{
    CADORecordset rows(AppDatabase());
    QVERIFY(
        rows.Open(QStringLiteral("SELECT 5 AS I, 2.5 AS R, 5000000000 AS Big, COUNT(*) AS C, "
                                 "'Video Library' AS Description FROM Categories WHERE CategoryType=1;")));
    Reads<long>(rows, {{"I", 5}, {"C", 20}}, 0);
    int small = 99;
    QVERIFY(!rows.GetFieldValue(QStringLiteral("I"), small)); // a 32-bit value is not read as 16-bit
    Reads<QString>(rows, {{"R", QStringLiteral("2.5")}, {"Big", QStringLiteral("5000000000.")}}, QString());

    long id = 0;
    QString text;
    QVERIFY(rows.GetFieldValue(0, id) && rows.GetFieldValue(1, text));
    QCOMPARE(id, 5L);
    QCOMPARE(text, QStringLiteral("2.5"));
    QVERIFY(!rows.GetFieldValue(4, id) && !rows.GetFieldValue(5, text));
    // Field names are found regardless of case, as the program has always written them.
    QVERIFY(rows.GetFieldValue(QStringLiteral("description"), text));
    QCOMPARE(text, QStringLiteral("Video Library"));
}

void TestRecordsetConversion::failedReadsLeaveOutputAndErrorText()
{
    CADORecordset& row = Row(1);
    long value = 42;
    QVERIFY(!row.GetFieldValue(QStringLiteral("NoSuchField"), value));
    QCOMPARE(value, 42L);
    QVERIFY(row.GetLastError().startsWith(QStringLiteral("Query = SELECT * FROM Kinds WHERE Id=1;\n"
                                                         "CADORecordset Error\n\tCode = 00000019\n")));
    QVERIFY(row.GetLastError().contains(QStringLiteral("\tSource = SQLite\n\tDescription = ")));
    QCOMPARE(row.GetLastErrorCode(), 25u);

    row.MoveNext();
    QVERIFY(row.IsEof());
    QString text = QStringLiteral("kept");
    QVERIFY(!row.GetFieldValue(QStringLiteral("X"), text));
    QCOMPARE(text, QStringLiteral("kept"));

    CADORecordset closed(AppDatabase());
    QVERIFY(!closed.GetFieldValue(0, value));
    QVERIFY(closed.IsEof());
    QCOMPARE(value, 42L);
}

void TestRecordsetConversion::dayCountsConvertBothWays()
{
    QCOMPARE(DateTimeValue::FromDate(QDate(1899, 12, 30)).m_dt, 0.0);
    QCOMPARE(DateTimeValue::FromDateTime(QDateTime(QDate(2000, 1, 1), QTime(6, 0))).m_dt, 36526.25);
    // Before day zero the fraction still counts forward from midnight.
    QCOMPARE(DateTimeValue::FromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))).m_dt, -1.25);
    QCOMPARE(DateTimeValue(-1.25).ToDateTime(), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    QCOMPARE(DateTimeValue(36526.999999999).ToDateTime(), QDateTime(QDate(2000, 1, 2), QTime(0, 0)));
    QVERIFY(!DateTimeValue(1.0, DateTimeValue::null).ToDateTime().isValid());
}

QTEST_MAIN(TestRecordsetConversion)
#include "tst_recordset_conversion.moc"
