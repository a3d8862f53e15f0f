// Typed field access: every kind a field can carry against every getter the program uses.

#include "CTestDataDir.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QtTest>

namespace {

// One row of every kind, one row of NULLs, and values at the edges of the 16-bit and decimal kinds.
const char* const kindsTable =
    "CREATE TABLE Kinds (Id LONG PRIMARY KEY, S SHORT, L LONG, B BYTE, F SINGLE, D DOUBLE, M CURRENCY, "
    "T DATETIME, X TEXT, Y BIT, N DECIMAL);"
    "INSERT INTO Kinds VALUES (1, -2, 70000, 200, 1.5, 100.0, 12.5, 45000.5, '12.5', 1, 12.345);"
    "INSERT INTO Kinds (Id) VALUES (2);"
    "INSERT INTO Kinds (Id, S, L, D, N) VALUES (3, 65535, -70000, 0.1, 5000000000);";

} // namespace

class TestRecordsetConversion final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void longGetterSignExtendsAndReadsNullAsZero();
    void shortGetterTakesOnlySmallKinds();
    void doubleAndFloatGetters();
    void textGetterWritesNumbersAndDates();
    void dateGetterLeavesOutputAloneOnNull();
    void expressionsTakeTheirStoredKind();
    void positionGettersMatchNameGetters();
    void failedReadsLeaveOutputAndErrorText();
    void dayCountsConvertBothWays();

private:
    CADORecordset& Row(int id);

    std::unique_ptr<CTestDataDir> m_dir;
    std::unique_ptr<CADORecordset> m_row;
};

void TestRecordsetConversion::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    CADODataBase& db = m_dir->Database();
    QVERIFY2(db.IsOpen(), qPrintable(db.GetLastError()));
    QVERIFY2(db.Execute(QString::fromLatin1(kindsTable)), qPrintable(db.GetLastError()));
}

void TestRecordsetConversion::cleanup()
{
    m_row.reset();
    m_dir.reset();
}

CADORecordset& TestRecordsetConversion::Row(int id)
{
    m_row = std::make_unique<CADORecordset>(&m_dir->Database());
    const bool opened = m_row->Open(QStringLiteral("SELECT * FROM Kinds WHERE Id=%1;").arg(id));
    if (!opened || m_row->IsEof())
        qWarning().noquote() << "row" << id << "not read:" << m_row->GetLastError();
    return *m_row;
}

void TestRecordsetConversion::longGetterSignExtendsAndReadsNullAsZero()
{
    CADORecordset& row = Row(1);
    long value = 99;
    QVERIFY(row.GetFieldValue(QStringLiteral("S"), value));
    QCOMPARE(value, -2L);
    QVERIFY(row.GetFieldValue(QStringLiteral("L"), value));
    QCOMPARE(value, 70000L);
    QVERIFY(row.GetFieldValue(QStringLiteral("B"), value));
    QCOMPARE(value, 200L);
    QVERIFY(row.GetFieldValue(QStringLiteral("Y"), value));
    QCOMPARE(value, -1L);

    CADORecordset& nulls = Row(2);
    value = 99;
    QVERIFY(nulls.GetFieldValue(QStringLiteral("L"), value));
    QCOMPARE(value, 0L);

    // 65535 kept in a 16-bit column is -1 at that width, and stays -1 when widened.
    CADORecordset& edges = Row(3);
    QVERIFY(edges.GetFieldValue(QStringLiteral("S"), value));
    QCOMPARE(value, -1L);
    QVERIFY(edges.GetFieldValue(QStringLiteral("L"), value));
    QCOMPARE(value, -70000L);
}

void TestRecordsetConversion::shortGetterTakesOnlySmallKinds()
{
    CADORecordset& row = Row(1);
    int value = 99;
    QVERIFY(row.GetFieldValue(QStringLiteral("S"), value));
    QCOMPARE(value, -2);
    QVERIFY(row.GetFieldValue(QStringLiteral("B"), value));
    QCOMPARE(value, 200);
    QVERIFY(row.GetFieldValue(QStringLiteral("Y"), value));
    QCOMPARE(value, -1);
    for (const char* refused : {"L", "F", "D", "M", "T", "X", "N"}) {
        value = 99;
        QVERIFY2(!row.GetFieldValue(QString::fromLatin1(refused), value), refused);
        QCOMPARE(value, 0);
    }

    CADORecordset& nulls = Row(2);
    value = 99;
    QVERIFY(nulls.GetFieldValue(QStringLiteral("S"), value));
    QCOMPARE(value, 0);

    CADORecordset& edges = Row(3);
    QVERIFY(edges.GetFieldValue(QStringLiteral("S"), value));
    QCOMPARE(value, -1);
}

void TestRecordsetConversion::doubleAndFloatGetters()
{
    CADORecordset& row = Row(1);
    const QList<QPair<const char*, double>> expected = {{"S", -2.0},    {"L", 70000.0}, {"B", 200.0},
                                                        {"F", 1.5},     {"D", 100.0},   {"M", 12.5},
                                                        {"T", 45000.5}, {"N", 12.345}};
    for (const auto& [name, number] : expected) {
        double value = -1.0;
        QVERIFY2(row.GetFieldValue(QString::fromLatin1(name), value), name);
        QCOMPARE(value, number);
    }
    double text = -1.0;
    QVERIFY(!row.GetFieldValue(QStringLiteral("X"), text));

    CADORecordset& nulls = Row(2);
    double zero = -1.0;
    float zeroFloat = -1.0f;
    QVERIFY(nulls.GetFieldValue(QStringLiteral("D"), zero));
    QVERIFY(nulls.GetFieldValue(QStringLiteral("T"), zeroFloat));
    QCOMPARE(zero, 0.0);
    QCOMPARE(zeroFloat, 0.0f);

    // A double is narrowed for the float getter; a decimal keeps only its low 32 mantissa bits.
    CADORecordset& edges = Row(3);
    float narrowed = 0.0f;
    QVERIFY(edges.GetFieldValue(QStringLiteral("D"), narrowed));
    QCOMPARE(narrowed, 0.1f);
    double decimal = 0.0;
    QVERIFY(edges.GetFieldValue(QStringLiteral("N"), decimal));
    QCOMPARE(decimal, 5000000000.0 - 4294967296.0);
}

void TestRecordsetConversion::textGetterWritesNumbersAndDates()
{
    CADORecordset& row = Row(1);
    const QList<QPair<const char*, QString>> expected = {
        {"S", QStringLiteral("-2")},   {"L", QStringLiteral("70000")},
        {"B", QStringLiteral("200")},  {"F", QStringLiteral("1.5")},
        {"D", QStringLiteral("100.")}, {"T", QStringLiteral("2023-03-15 12:00:00")},
        {"X", QStringLiteral("12.5")}};
    for (const auto& [name, text] : expected) {
        QString value = QStringLiteral("unchanged");
        QVERIFY2(row.GetFieldValue(QString::fromLatin1(name), value), name);
        QCOMPARE(value, text);
    }
    for (const char* refused : {"Y", "M", "N"}) {
        QString value = QStringLiteral("unchanged");
        QVERIFY2(!row.GetFieldValue(QString::fromLatin1(refused), value), refused);
        QCOMPARE(value, QString());
    }

    CADORecordset& nulls = Row(2);
    QString value = QStringLiteral("unchanged");
    QVERIFY(nulls.GetFieldValue(QStringLiteral("X"), value));
    QCOMPARE(value, QString());

    CADORecordset& edges = Row(3);
    QVERIFY(edges.GetFieldValue(QStringLiteral("D"), value));
    QCOMPARE(value, QStringLiteral("0.1"));
}

void TestRecordsetConversion::dateGetterLeavesOutputAloneOnNull()
{
    CADORecordset& row = Row(1);
    DateTimeValue date(1.0, DateTimeValue::invalid);
    QVERIFY(row.GetFieldValue(QStringLiteral("T"), date));
    QCOMPARE(date.m_dt, 45000.5);
    QCOMPARE(date.m_status, DateTimeValue::valid);
    QCOMPARE(date.ToDateTime(), QDateTime(QDate(2023, 3, 15), QTime(12, 0)));

    for (const char* refused : {"S", "L", "D", "X", "Y"}) {
        DateTimeValue untouched(7.0);
        QVERIFY2(!row.GetFieldValue(QString::fromLatin1(refused), untouched), refused);
        QCOMPARE(untouched.m_dt, 7.0);
    }

    CADORecordset& nulls = Row(2);
    DateTimeValue kept(7.0);
    QVERIFY(nulls.GetFieldValue(QStringLiteral("T"), kept));
    QCOMPARE(kept.m_dt, 7.0);
}

void TestRecordsetConversion::expressionsTakeTheirStoredKind()
{
    CADORecordset rows(&m_dir->Database());
    QVERIFY(rows.Open(QStringLiteral("SELECT 5 AS I, 2.5 AS R, 'abc' AS T, 5000000000 AS Big, COUNT(*) AS C "
                                     "FROM Categories WHERE CategoryType=1;")));
    long whole = 0;
    int small = 99;
    QString text;
    QVERIFY(rows.GetFieldValue(QStringLiteral("I"), whole));
    QCOMPARE(whole, 5L);
    QVERIFY(!rows.GetFieldValue(QStringLiteral("I"), small)); // a 32-bit value is not read as 16-bit
    QVERIFY(rows.GetFieldValue(QStringLiteral("R"), text));
    QCOMPARE(text, QStringLiteral("2.5"));
    QVERIFY(rows.GetFieldValue(QStringLiteral("T"), text));
    QCOMPARE(text, QStringLiteral("abc"));
    QVERIFY(rows.GetFieldValue(QStringLiteral("Big"), text));
    QCOMPARE(text, QStringLiteral("5000000000."));
    QVERIFY(rows.GetFieldValue(QStringLiteral("C"), whole));
    QCOMPARE(whole, 20L);
}

void TestRecordsetConversion::positionGettersMatchNameGetters()
{
    CADORecordset rows(&m_dir->Database());
    QVERIFY(rows.Open(QStringLiteral("SELECT CategoryId, Description, CategoryType FROM Categories "
                                     "WHERE CategoryId=19;")));
    long id = 0;
    long type = 0;
    QString name;
    QString typeText;
    QVERIFY(rows.GetFieldValue(0, id));
    QVERIFY(rows.GetFieldValue(1, name));
    QVERIFY(rows.GetFieldValue(2, type));
    QVERIFY(rows.GetFieldValue(2, typeText));
    QCOMPARE(id, 19L);
    QCOMPARE(name, QStringLiteral("Video Library"));
    QCOMPARE(type, 1L);
    QCOMPARE(typeText, QStringLiteral("1"));
    QVERIFY(!rows.GetFieldValue(1, id));
    QVERIFY(!rows.GetFieldValue(3, name));
    // Field names are found regardless of case, as the program has always written them.
    QVERIFY(rows.GetFieldValue(QStringLiteral("description"), name));
    QCOMPARE(name, QStringLiteral("Video Library"));
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

    CADORecordset closed(&m_dir->Database());
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
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(qAbs(DateTimeValue::Now().ToDateTime().secsTo(now)) <= 2);
}

QTEST_MAIN(TestRecordsetConversion)
#include "tst_recordset_conversion.moc"
