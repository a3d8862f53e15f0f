// Writing rows back through a recordset, refusing what is not a SELECT, and texts of any content.

#include "CTestDataDir.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QtTest>

class TestRecordsetEdit final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void editWritesTheCurrentRowOnly();
    void emptyTextIsStoredAsNull();
    void settingOutsideEditChangesNothing();
    void joinsAndExpressionsAreNotWritten();
    void onlySelectStatementsOpen();
    void hostileTextsRoundTrip_data();
    void hostileTextsRoundTrip();

private:
    CADODataBase& Db() { return m_dir->Database(); }
    QString Text(const QString& sql);
    void AddAsset(long id, long areaId, const QString& description);

    std::unique_ptr<CTestDataDir> m_dir;
};

void TestRecordsetEdit::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(Db().IsOpen(), qPrintable(Db().GetLastError()));
}

void TestRecordsetEdit::cleanup()
{
    m_dir.reset();
}

QString TestRecordsetEdit::Text(const QString& sql)
{
    CADORecordset rows(&Db());
    QString value;
    if (!rows.Open(sql) || !rows.GetFieldValue(0, value))
        qWarning().noquote() << rows.GetLastError();
    return value;
}

void TestRecordsetEdit::AddAsset(long id, long areaId, const QString& description)
{
    QVERIFY(Db().Execute(QStringLiteral("INSERT INTO [Assets] ([AssetId]) VALUES (%1);").arg(id)));
    CADORecordset row(&Db());
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Assets WHERE AssetId=%1;").arg(id)));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("AreaId"), areaId));
    QVERIFY(row.SetFieldValue(QStringLiteral("Description"), description));
    QVERIFY2(row.Update(), qPrintable(row.GetLastError()));
}

void TestRecordsetEdit::editWritesTheCurrentRowOnly()
{
    AddAsset(1, 5, QStringLiteral("Sofa"));
    AddAsset(2, 6, QStringLiteral("Lamp"));
    AddAsset(3, 5, QStringLiteral("Rug"));

    // The clean-up a deleted location makes: every asset there loses its location, no other.
    CADORecordset rows(&Db());
    QVERIFY(rows.Open(QStringLiteral("SELECT AreaId FROM Assets WHERE AreaId=%1;").arg(5)));
    int seen = 0;
    while (!rows.IsEof()) {
        rows.Edit();
        QVERIFY(rows.SetFieldValue(QStringLiteral("AreaId"), 0L));
        QVERIFY2(rows.Update(), qPrintable(rows.GetLastError()));
        rows.MoveNext();
        ++seen;
    }
    QCOMPARE(seen, 2);
    QCOMPARE(Text(QStringLiteral(
                 "SELECT group_concat(AreaId) FROM (SELECT AreaId FROM Assets ORDER BY AssetId);")),
             QStringLiteral("0,6,0"));

    // Every kind of setter lands in its column; what was read stays readable after the write.
    CADORecordset row(&Db());
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Assets WHERE AssetId=2;")));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("CategoryId"), 19L));
    QVERIFY(row.SetFieldValue(QStringLiteral("PurchasePrice"), 19.99));
    QVERIFY(row.SetFieldValue(QStringLiteral("PurchaseDate"), DateTimeValue(45000.5)));
    QVERIFY(row.SetFieldValue(QStringLiteral("MakeModel"), QStringLiteral("Drama")));
    QString description;
    QVERIFY(row.GetFieldValue(QStringLiteral("Description"), description));
    QCOMPARE(description, QStringLiteral("Lamp"));
    QVERIFY(row.Update());
    QCOMPARE(Text(QStringLiteral(
                 "SELECT CategoryId || '|' || PurchasePrice || '|' || PurchaseDate || '|' || MakeModel "
                 "FROM Assets WHERE AssetId=2;")),
             QStringLiteral("19|19.99|45000.5|Drama"));

    // Moving on from a row being edited writes it before leaving it.
    QVERIFY(row.Open(QStringLiteral("SELECT AssetId, Description FROM Assets ORDER BY AssetId;")));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Couch")));
    row.MoveNext();
    QCOMPARE(Text(QStringLiteral("SELECT Description FROM Assets WHERE AssetId=1;")),
             QStringLiteral("Couch"));
    QCOMPARE(Text(QStringLiteral("SELECT Description FROM Assets WHERE AssetId=2;")), QStringLiteral("Lamp"));

    // A 16-bit write keeps its width in a 16-bit column.
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Categories WHERE CategoryId=26;")));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("CategoryType"), static_cast<short>(-3)));
    QVERIFY(row.Update());
    long type = 0;
    QVERIFY(row.Open());
    QVERIFY(row.GetFieldValue(QStringLiteral("CategoryType"), type));
    QCOMPARE(type, -3L);
}

void TestRecordsetEdit::emptyTextIsStoredAsNull()
{
    QVERIFY(Db().Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId]) VALUES (1);")));
    CADORecordset row(&Db());
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Homes WHERE HomeId=1;")));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Main house")));
    QVERIFY(row.SetFieldValue(QStringLiteral("Notes"), QStringLiteral("Roof done 2019")));
    QVERIFY(row.Update());
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("Notes"), QString()));
    QVERIFY(row.SetFieldValue(QStringLiteral("Picture2"), QString()));
    QVERIFY(row.Update());

    QCOMPARE(Text(QStringLiteral("SELECT typeof(Notes) || typeof(Picture2) FROM Homes WHERE HomeId=1;")),
             QStringLiteral("nullnull"));
    QVERIFY(row.Open());
    QString notes = QStringLiteral("unchanged");
    QVERIFY(row.GetFieldValue(QStringLiteral("Notes"), notes));
    QCOMPARE(notes, QString());
    QString description;
    QVERIFY(row.GetFieldValue(QStringLiteral("Description"), description));
    QCOMPARE(description, QStringLiteral("Main house"));
}

void TestRecordsetEdit::settingOutsideEditChangesNothing()
{
    CADORecordset row(&Db());
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Categories WHERE CategoryId=19;")));
    QVERIFY(!row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Movies")));
    QVERIFY(row.GetLastError().isEmpty());
    QVERIFY(row.Update());
    QCOMPARE(Text(QStringLiteral("SELECT Description FROM Categories WHERE CategoryId=19;")),
             QStringLiteral("Video Library"));

    // An unknown field fails while editing and leaves a reason.
    row.Edit();
    QVERIFY(!row.SetFieldValue(QStringLiteral("Colour"), 3L));
    QVERIFY(row.GetLastError().contains(QStringLiteral("CADORecordset Error")));
    QVERIFY(row.Update());

    // Past the last row there is nothing to set.
    row.MoveNext();
    row.Edit();
    QVERIFY(!row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Movies")));
    QVERIFY(row.Update());
}

void TestRecordsetEdit::joinsAndExpressionsAreNotWritten()
{
    AddAsset(1, 0, QStringLiteral("Casablanca"));
    QVERIFY(Db().Execute(QStringLiteral("UPDATE Assets SET CategoryId=19, HomeId=0 WHERE AssetId=1;")));

    const QStringList readOnly = {
        QStringLiteral("SELECT a.*, c.Description AS Category, l.Description as Location FROM (Assets AS a "
                       "LEFT JOIN Categories AS c ON a.CategoryId = c.CategoryId) LEFT OUTER JOIN Areas l ON "
                       "a.AreaId = l.AreaId WHERE a.HomeId=0 ORDER BY c.Description, a.Description;"),
        QStringLiteral(
            "SELECT a.Description FROM Assets a JOIN Categories c ON a.CategoryId = c.CategoryId;"),
        QStringLiteral("SELECT AssetId, Description || '!' AS Description FROM Assets;"),
        QStringLiteral("SELECT DISTINCT Description FROM Assets;"),
        QStringLiteral("SELECT Description FROM Assets GROUP BY Description;"),
    };
    for (const QString& sql : readOnly) {
        CADORecordset rows(&Db());
        QVERIFY2(rows.Open(sql), qPrintable(rows.GetLastError()));
        QVERIFY(!rows.IsEof());
        rows.Edit();
        QVERIFY(rows.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Changed")));
        QVERIFY2(!rows.Update(), qPrintable(sql));
        QVERIFY(rows.GetLastError().startsWith(QStringLiteral("Query = ") + sql +
                                               QStringLiteral("\nCADORecordset Error")));
    }
    QCOMPARE(Text(QStringLiteral("SELECT Description FROM Assets WHERE AssetId=1;")),
             QStringLiteral("Casablanca"));
}

void TestRecordsetEdit::onlySelectStatementsOpen()
{
    CADORecordset rows(&Db());
    QVERIFY(!rows.Open(QStringLiteral("UPDATE Categories SET Description='x';")));
    QVERIFY(!rows.IsOpen());
    QVERIFY(rows.GetLastError().isEmpty());
    QVERIFY(!rows.Open(QStringLiteral("DELETE FROM Categories;")));
    QVERIFY(!rows.Open(QStringLiteral("SELECT*FROM Categories;")));
    QVERIFY(rows.GetLastError().isEmpty());
    QCOMPARE(Text(QStringLiteral("SELECT COUNT(*) FROM Categories WHERE Description<>'x';")),
             QStringLiteral("29"));

    QVERIFY(rows.Open(QStringLiteral("  \n\tselect * from Categories order by CategoryId;")));
    QCOMPARE(rows.GetQuery(), QStringLiteral("select * from Categories order by CategoryId;"));
    long id = 0;
    QVERIFY(rows.GetFieldValue(QStringLiteral("CategoryId"), id));
    QCOMPARE(id, 1L);

    // A second statement behind a SELECT is never run.
    QVERIFY(!rows.Open(QStringLiteral("SELECT 1; DROP TABLE Homes;")));
    QVERIFY(rows.GetLastError().contains(QStringLiteral("CADORecordset Error")));
    QVERIFY(rows.Open(QStringLiteral("SELECT * FROM Homes;")));
    QVERIFY(rows.IsEof());

    // A SELECT the engine refuses fails with its reason.
    QVERIFY(!rows.Open(QStringLiteral("SELECT * FROM Nowhere;")));
    QVERIFY(rows.GetLastError().contains(QStringLiteral("Description = no such table: Nowhere")));
}

void TestRecordsetEdit::hostileTextsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << QStringLiteral("O'Brien's \"best\" chair");
    QTest::newRow("injection") << QStringLiteral("'; DROP TABLE Homes; --");
    QTest::newRow("lines") << QStringLiteral("first line\r\nsecond line\nthird\ttabbed\n");
    QTest::newRow("numeric-looking") << QStringLiteral("007");
    QTest::newRow("exponent") << QStringLiteral("3.0e+5");
    QTest::newRow("blank-padded number") << QStringLiteral(" 12 ");
    QTest::newRow("unicode") << QStringLiteral("Küche – 家 – Ελλάδα – 🏠 – \u200Bzero width");
    QTest::newRow("nul inside") << QString::fromUtf8("before\0after", 12);
    QTest::newRow("word null") << QStringLiteral("NULL");
    QTest::newRow("1 MB") << QString(1024 * 1024, QLatin1Char('x')) + QStringLiteral("end");
}

void TestRecordsetEdit::hostileTextsRoundTrip()
{
    QFETCH(QString, text);
    QVERIFY(Db().Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId]) VALUES (7);")));
    CADORecordset row(&Db());
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Homes WHERE HomeId=7;")));
    row.Edit();
    for (const char* field : {"Description", "Address", "Picture2", "Notes"})
        QVERIFY(row.SetFieldValue(QString::fromLatin1(field), text));
    QVERIFY2(row.Update(), qPrintable(row.GetLastError()));

    CADORecordset again(&Db());
    QVERIFY(again.Open(QStringLiteral("SELECT * FROM Homes WHERE HomeId=7;")));
    for (const char* field : {"Description", "Address", "Picture2", "Notes"}) {
        QString stored;
        QVERIFY(again.GetFieldValue(QString::fromLatin1(field), stored));
        QVERIFY2(stored == text, field);
    }
    QCOMPARE(Text(QStringLiteral("SELECT COUNT(*) FROM Homes;")), QStringLiteral("1"));
}

QTEST_MAIN(TestRecordsetEdit)
#include "tst_recordset_edit.moc"
