// The recordset: typed field access (every kind a field can carry against every getter the program
// uses), writing rows back, and refusing what is not a SELECT. Texts of any content run through every
// record in tests/reliability/tst_hostileinput.

#include "CSessionTest.h"
#include "RecordTestSupport.h"

namespace {

// One row of every kind (types spelt with sizes and two words too), one row of NULLs, and values at
// the edges of the 16-bit and decimal kinds.
const char* const kindsTable =
    "CREATE TABLE Kinds (Id LONG PRIMARY KEY, S SHORT, L LONG, B BYTE, F SINGLE, D DOUBLE PRECISION, "
    "M CURRENCY, T DATETIME, X TEXT(50), Y BIT, N DECIMAL(18, 4));"
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

class TestRecordset final : public CSessionTest
{
    Q_OBJECT

private slots:
    void integerGetters()
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

    void doubleAndFloatGetters()
    {
        Reads<double>(Row(1), {{"S", -2.0}, {"L", 70000.0}, {"B", 200.0}, {"F", 1.5}}, -1.0);
        Reads<double>(*m_row, {{"D", 100.0}, {"M", 12.5}, {"T", 45000.5}, {"N", 12.345}}, -1.0);
        double text = -1.0;
        QVERIFY(!m_row->GetFieldValue("X", text));

        Reads<double>(Row(2), {{"D", 0.0}}, -1.0);
        Reads<float>(*m_row, {{"T", 0.0f}}, -1.0f);

        // A double is narrowed for the float getter; a decimal keeps only its low 32 mantissa bits.
        Reads<float>(Row(3), {{"D", 0.1f}}, 0.0f);
        Reads<double>(*m_row, {{"N", 5000000000.0 - 4294967296.0}}, 0.0);
    }

    void textGetter()
    {
        const QString start = "unchanged";
        Reads<QString>(Row(1), {{"S", "-2"}, {"L", "70000"}, {"B", "200"}, {"F", "1.5"}}, start);
        Reads<QString>(*m_row, {{"D", "100."}, {"T", "2023-03-15 12:00:00"}, {"X", "12.5"}}, start);
        Refuses<QString>(*m_row, {"Y", "M", "N"}, start, QString());
        Reads<QString>(Row(2), {{"X", QString()}}, start);
        Reads<QString>(Row(3), {{"D", "0.1"}}, start);
    }

    void dateGetter()
    {
        DateTimeValue date(1.0, DateTimeValue::invalid);
        QVERIFY(Row(1).GetFieldValue("T", date));
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
        QVERIFY(Row(2).GetFieldValue("T", kept));
        QCOMPARE(kept.m_dt, 7.0);
    }

    void expressionsAndPositions()
    {
        CADORecordset rows(AppDatabase());
        QVERIFY(rows.Open("SELECT 5 AS I, 2.5 AS R, 5000000000 AS Big, COUNT(*) AS C, "
                          "'Video Library' AS Description FROM Categories WHERE CategoryType=1;"));
        Reads<long>(rows, {{"I", 5}, {"C", 20}}, 0);
        int small = 99;
        QVERIFY(!rows.GetFieldValue("I", small)); // a 32-bit value is not read as 16-bit
        Reads<QString>(rows, {{"R", "2.5"}, {"Big", "5000000000."}}, QString());

        long id = 0;
        QString text;
        QVERIFY(rows.GetFieldValue(0, id) && rows.GetFieldValue(1, text));
        QCOMPARE(id, 5L);
        QCOMPARE(text, "2.5");
        QVERIFY(!rows.GetFieldValue(4, id) && !rows.GetFieldValue(5, text));
        // Field names are found regardless of case, as the program has always written them.
        QVERIFY(rows.GetFieldValue("description", text));
        QCOMPARE(text, "Video Library");
    }

    void failedReadsLeaveOutputAndErrorText()
    {
        CADORecordset& row = Row(1);
        long value = 42;
        QVERIFY(!row.GetFieldValue("NoSuchField", value));
        QCOMPARE(value, 42L);
        QVERIFY(row.GetLastError().startsWith("Query = SELECT * FROM Kinds WHERE Id=1;\n"
                                              "CADORecordset Error\n\tCode = 00000019\n"));
        QVERIFY(row.GetLastError().contains("\tSource = SQLite\n\tDescription = "));
        QCOMPARE(row.GetLastErrorCode(), 25u);

        row.MoveNext();
        QVERIFY(row.IsEof());
        QString text = "kept";
        QVERIFY(!row.GetFieldValue("X", text));
        QCOMPARE(text, "kept");

        CADORecordset closed(AppDatabase());
        QVERIFY(!closed.GetFieldValue(0, value));
        QVERIFY(closed.IsEof());
        QCOMPARE(value, 42L);
    }

    void dayCountsConvertBothWays()
    {
        QCOMPARE(DateTimeValue::FromDate(QDate(1899, 12, 30)).m_dt, 0.0);
        QCOMPARE(DateTimeValue::FromDateTime(QDateTime(QDate(2000, 1, 1), QTime(6, 0))).m_dt, 36526.25);
        // Before day zero the fraction still counts forward from midnight.
        QCOMPARE(DateTimeValue::FromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))).m_dt, -1.25);
        QCOMPARE(DateTimeValue(-1.25).ToDateTime(), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
        QCOMPARE(DateTimeValue(36526.999999999).ToDateTime(), QDateTime(QDate(2000, 1, 2), QTime(0, 0)));
        QVERIFY(!DateTimeValue(1.0, DateTimeValue::null).ToDateTime().isValid());
    }

    void editWritesTheCurrentRowOnly()
    {
        QVERIFY(AppDatabase()->Execute("INSERT INTO Assets (AssetId, AreaId, Description) VALUES "
                                       "(1, 5, 'Sofa'), (2, 6, 'Lamp'), (3, 5, 'Rug');"));

        // Every kind of setter lands in its column; what was read stays readable after the write.
        CADORecordset row(AppDatabase());
        QVERIFY(row.Open("SELECT * FROM Assets WHERE AssetId=2;"));
        row.Edit();
        QVERIFY(row.SetFieldValue("CategoryId", 19L));
        QVERIFY(row.SetFieldValue("PurchasePrice", 19.99));
        QVERIFY(row.SetFieldValue("PurchaseDate", DateTimeValue(45000.5)));
        QVERIFY(row.SetFieldValue("MakeModel", "Drama"));
        QString description;
        QVERIFY(row.GetFieldValue("Description", description));
        QCOMPARE(description, "Lamp");
        QVERIFY(row.Update());
        QCOMPARE(
            QueryText("SELECT CategoryId || '|' || PurchasePrice || '|' || PurchaseDate || '|' || MakeModel "
                      "FROM Assets WHERE AssetId=2;"),
            "19|19.99|45000.5|Drama");

        // Only Update writes a row and ends editing: moving on drops the row's changes and keeps editing.
        QVERIFY(row.Open("SELECT AssetId, Description FROM Assets ORDER BY AssetId;"));
        row.Edit();
        QVERIFY(row.SetFieldValue("Description", "Couch"));
        row.MoveNext();
        QVERIFY(row.SetFieldValue("Description", "Lantern"));
        QVERIFY(row.Update());
        QCOMPARE(QueryText("SELECT group_concat(Description) FROM (SELECT Description FROM Assets "
                           "ORDER BY AssetId);"),
                 "Sofa,Lantern,Rug");

        // A 16-bit write keeps its width in a 16-bit column.
        QVERIFY(row.Open("SELECT * FROM Categories WHERE CategoryId=26;"));
        row.Edit();
        QVERIFY(row.SetFieldValue("CategoryType", static_cast<short>(-3)));
        QVERIFY(row.Update());
        QCOMPARE(QueryText("SELECT CategoryType FROM Categories WHERE CategoryId=26;"), "-3");
    }

    void editRules()
    {
        // An empty text is stored as NULL and reads back empty.
        QVERIFY(AppDatabase()->Execute("INSERT INTO [Homes] ([HomeId], [Notes]) VALUES (1, 'Roof');"));
        CADORecordset home(AppDatabase());
        QVERIFY(home.Open("SELECT * FROM Homes WHERE HomeId=1;"));
        home.Edit();
        QVERIFY(home.SetFieldValue("Notes", QString()));
        QVERIFY(home.Update());
        QCOMPARE(QueryText("SELECT typeof(Notes) FROM Homes WHERE HomeId=1;"), "null");
        QVERIFY(home.Open());
        QString notes = "unchanged";
        QVERIFY(home.GetFieldValue("Notes", notes));
        QCOMPARE(notes, QString());

        // Setting outside Edit changes nothing and is no error.
        CADORecordset row(AppDatabase());
        QVERIFY(row.Open("SELECT * FROM Categories WHERE CategoryId=19;"));
        QVERIFY(!row.SetFieldValue("Description", "Movies"));
        QVERIFY(row.GetLastError().isEmpty());
        QVERIFY(row.Update());
        QCOMPARE(QueryText("SELECT Description FROM Categories WHERE CategoryId=19;"), "Video Library");

        // An unknown field fails while editing and leaves a reason; past the last row nothing is set.
        row.Edit();
        QVERIFY(!row.SetFieldValue("Colour", 3L));
        QVERIFY(row.GetLastError().contains("CADORecordset Error"));
        QVERIFY(row.Update());
        row.MoveNext();
        row.Edit();
        QVERIFY(!row.SetFieldValue("Description", "Movies"));
        QVERIFY(row.Update());
    }

    void joinsAndExpressionsAreNotWritten()
    {
        QVERIFY(
            AppDatabase()->Execute("INSERT INTO Assets (AssetId, AreaId, CategoryId, HomeId, Description) "
                                   "VALUES (1, 0, 19, 0, 'Casablanca');"));

        const QStringList readOnly = {
            "SELECT a.*, c.Description AS Category, l.Description as Location FROM (Assets AS a "
            "LEFT JOIN Categories AS c ON a.CategoryId = c.CategoryId) LEFT OUTER JOIN Areas l ON "
            "a.AreaId = l.AreaId WHERE a.HomeId=0 ORDER BY c.Description, a.Description;",
            "SELECT AssetId, Description || '!' AS Description FROM Assets;",
            "SELECT DISTINCT Description FROM Assets;",
        };
        for (const QString& sql : readOnly) {
            CADORecordset rows(AppDatabase());
            QVERIFY2(rows.Open(sql), qPrintable(rows.GetLastError()));
            rows.Edit();
            QVERIFY(rows.SetFieldValue("Description", "Changed"));
            QVERIFY2(!rows.Update(), qPrintable(sql));
            QVERIFY(rows.GetLastError().startsWith("Query = " + sql + "\nCADORecordset Error"));
        }
        QCOMPARE(QueryText("SELECT Description FROM Assets WHERE AssetId=1;"), "Casablanca");
    }

    void onlySelectStatementsOpen()
    {
        // Anything but a SELECT is refused without running and without an error text.
        CADORecordset rows(AppDatabase());
        QVERIFY(!rows.Open("UPDATE Categories SET Description='x';"));
        QVERIFY(!rows.IsOpen());
        QVERIFY(rows.GetLastError().isEmpty());
        QVERIFY(!rows.Open("SELECT*FROM Categories;"));
        QVERIFY(rows.GetLastError().isEmpty());
        QCOMPARE(RowCount("Categories", "WHERE Description<>'x'"), 29L);

        QVERIFY(rows.Open("  \n\tselect * from Categories order by CategoryId;"));
        QCOMPARE(rows.GetQuery(), "select * from Categories order by CategoryId;");

        // A second statement behind a SELECT is never run.
        QVERIFY(!rows.Open("SELECT 1; DROP TABLE Homes;"));
        QVERIFY(rows.GetLastError().contains("CADORecordset Error"));
        QVERIFY(rows.Open("SELECT * FROM Homes;"));

        QVERIFY(!rows.Open("SELECT * FROM Nowhere;"));
        QVERIFY(rows.GetLastError().contains("Description = no such table: Nowhere"));
    }

private:
    void SetUp() override
    {
        QVERIFY2(AppDatabase()->Execute(QString::fromLatin1(kindsTable)),
                 qPrintable(AppDatabase()->GetLastError()));
    }

    void TearDown() override { m_row.reset(); }

    CADORecordset& Row(int id)
    {
        m_row = std::make_unique<CADORecordset>(AppDatabase());
        if (!m_row->Open(QString("SELECT * FROM Kinds WHERE Id=%1;").arg(id)) || m_row->IsEof())
            qWarning().noquote() << "row" << id << "not read:" << m_row->GetLastError();
        return *m_row;
    }

    std::unique_ptr<CADORecordset> m_row;
};

QTEST_MAIN(TestRecordset)
#include "tst_recordset.moc"
