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
    void editRules();
    void joinsAndExpressionsAreNotWritten();
    void onlySelectStatementsOpen();
    void hostileTextsRoundTrip();

private:
    CADODataBase& Db() { return m_dir->Database(); }
    QString Text(const QString& sql);

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

void TestRecordsetEdit::editWritesTheCurrentRowOnly()
{
    QVERIFY(Db().Execute(QStringLiteral("INSERT INTO Assets (AssetId, AreaId, Description) VALUES "
                                        "(1, 5, 'Sofa'), (2, 6, 'Lamp'), (3, 5, 'Rug');")));

    // The clean-up a deleted location makes: every asset there loses its location, no other.
    CADORecordset rows(&Db());
    QVERIFY(rows.Open(QStringLiteral("SELECT AreaId FROM Assets WHERE AreaId=5;")));
    for (; !rows.IsEof(); rows.MoveNext()) {
        rows.Edit();
        QVERIFY(rows.SetFieldValue(QStringLiteral("AreaId"), 0L));
        QVERIFY2(rows.Update(), qPrintable(rows.GetLastError()));
    }
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

    // Only Update writes a row and ends editing: moving on drops the row's changes and keeps editing.
    QVERIFY(row.Open(QStringLiteral("SELECT AssetId, Description FROM Assets ORDER BY AssetId;")));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Couch")));
    row.MoveNext();
    QVERIFY(row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Lantern")));
    QVERIFY(row.Update());
    QCOMPARE(Text(QStringLiteral("SELECT group_concat(Description) FROM (SELECT Description FROM Assets "
                                 "ORDER BY AssetId);")),
             QStringLiteral("Sofa,Lantern,Rug"));

    // A 16-bit write keeps its width in a 16-bit column.
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Categories WHERE CategoryId=26;")));
    row.Edit();
    QVERIFY(row.SetFieldValue(QStringLiteral("CategoryType"), static_cast<short>(-3)));
    QVERIFY(row.Update());
    QCOMPARE(Text(QStringLiteral("SELECT CategoryType FROM Categories WHERE CategoryId=26;")),
             QStringLiteral("-3"));
}

void TestRecordsetEdit::editRules()
{
    // An empty text is stored as NULL and reads back empty.
    QVERIFY(Db().Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId], [Notes]) VALUES (1, 'Roof');")));
    CADORecordset home(&Db());
    QVERIFY(home.Open(QStringLiteral("SELECT * FROM Homes WHERE HomeId=1;")));
    home.Edit();
    QVERIFY(home.SetFieldValue(QStringLiteral("Notes"), QString()));
    QVERIFY(home.Update());
    QCOMPARE(Text(QStringLiteral("SELECT typeof(Notes) FROM Homes WHERE HomeId=1;")), QStringLiteral("null"));
    QVERIFY(home.Open());
    QString notes = QStringLiteral("unchanged");
    QVERIFY(home.GetFieldValue(QStringLiteral("Notes"), notes));
    QCOMPARE(notes, QString());

    // Setting outside Edit changes nothing and is no error.
    CADORecordset row(&Db());
    QVERIFY(row.Open(QStringLiteral("SELECT * FROM Categories WHERE CategoryId=19;")));
    QVERIFY(!row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Movies")));
    QVERIFY(row.GetLastError().isEmpty());
    QVERIFY(row.Update());
    QCOMPARE(Text(QStringLiteral("SELECT Description FROM Categories WHERE CategoryId=19;")),
             QStringLiteral("Video Library"));

    // An unknown field fails while editing and leaves a reason; past the last row nothing is set.
    row.Edit();
    QVERIFY(!row.SetFieldValue(QStringLiteral("Colour"), 3L));
    QVERIFY(row.GetLastError().contains(QStringLiteral("CADORecordset Error")));
    QVERIFY(row.Update());
    row.MoveNext();
    row.Edit();
    QVERIFY(!row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Movies")));
    QVERIFY(row.Update());
}

void TestRecordsetEdit::joinsAndExpressionsAreNotWritten()
{
    QVERIFY(
        Db().Execute(QStringLiteral("INSERT INTO Assets (AssetId, AreaId, CategoryId, HomeId, Description) "
                                    "VALUES (1, 0, 19, 0, 'Casablanca');")));

    const QStringList readOnly = {
        QStringLiteral("SELECT a.*, c.Description AS Category, l.Description as Location FROM (Assets AS a "
                       "LEFT JOIN Categories AS c ON a.CategoryId = c.CategoryId) LEFT OUTER JOIN Areas l ON "
                       "a.AreaId = l.AreaId WHERE a.HomeId=0 ORDER BY c.Description, a.Description;"),
        QStringLiteral("SELECT AssetId, Description || '!' AS Description FROM Assets;"),
        QStringLiteral("SELECT DISTINCT Description FROM Assets;"),
    };
    for (const QString& sql : readOnly) {
        CADORecordset rows(&Db());
        QVERIFY2(rows.Open(sql), qPrintable(rows.GetLastError()));
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
    // Anything but a SELECT is refused without running and without an error text.
    CADORecordset rows(&Db());
    QVERIFY(!rows.Open(QStringLiteral("UPDATE Categories SET Description='x';")));
    QVERIFY(!rows.IsOpen());
    QVERIFY(rows.GetLastError().isEmpty());
    QVERIFY(!rows.Open(QStringLiteral("SELECT*FROM Categories;")));
    QVERIFY(rows.GetLastError().isEmpty());
    QCOMPARE(Text(QStringLiteral("SELECT COUNT(*) FROM Categories WHERE Description<>'x';")),
             QStringLiteral("29"));

    QVERIFY(rows.Open(QStringLiteral("  \n\tselect * from Categories order by CategoryId;")));
    QCOMPARE(rows.GetQuery(), QStringLiteral("select * from Categories order by CategoryId;"));

    // A second statement behind a SELECT is never run.
    QVERIFY(!rows.Open(QStringLiteral("SELECT 1; DROP TABLE Homes;")));
    QVERIFY(rows.GetLastError().contains(QStringLiteral("CADORecordset Error")));
    QVERIFY(rows.Open(QStringLiteral("SELECT * FROM Homes;")));

    QVERIFY(!rows.Open(QStringLiteral("SELECT * FROM Nowhere;")));
    QVERIFY(rows.GetLastError().contains(QStringLiteral("Description = no such table: Nowhere")));
}

void TestRecordsetEdit::hostileTextsRoundTrip()
{
    const QStringList texts = {
        QStringLiteral("O'Brien's \"best\" chair"),
        QStringLiteral("'; DROP TABLE Homes; --"),
        QStringLiteral("first line\r\nsecond line\nthird\ttabbed\n"),
        QStringLiteral("007"),
        QStringLiteral("Küche – 家 – 🏠 – \u200Bzero width"),
        QString::fromUtf8("before\0after", 12),
        QStringLiteral("NULL"),
        QString(1024 * 1024, QLatin1Char('x')),
    };
    QVERIFY(Db().Execute(QStringLiteral("INSERT INTO [Homes] ([HomeId]) VALUES (7);")));
    for (const QString& text : texts) {
        CADORecordset row(&Db());
        QVERIFY(row.Open(QStringLiteral("SELECT * FROM Homes WHERE HomeId=7;")));
        row.Edit();
        QVERIFY(row.SetFieldValue(QStringLiteral("Description"), text));
        QVERIFY(row.SetFieldValue(QStringLiteral("Notes"), text));
        QVERIFY2(row.Update(), qPrintable(row.GetLastError()));

        QVERIFY(row.Open());
        for (const char* field : {"Description", "Notes"}) {
            QString stored;
            QVERIFY(row.GetFieldValue(QString::fromLatin1(field), stored));
            QVERIFY2(stored == text, qPrintable(text.left(40)));
        }
    }
    QCOMPARE(Text(QStringLiteral("SELECT COUNT(*) FROM Homes;")), QStringLiteral("1"));
}

QTEST_MAIN(TestRecordsetEdit)
#include "tst_recordset_edit.moc"
