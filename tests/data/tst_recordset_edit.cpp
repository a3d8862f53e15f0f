// Writing rows back through a recordset and refusing what is not a SELECT. Texts of any content
// run through every record in tests/reliability/tst_hostileinput.

#include "CSessionTest.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QtTest>

class TestRecordsetEdit final : public CSessionTest
{
    Q_OBJECT

private slots:
    void editWritesTheCurrentRowOnly();
    void editRules();
    void joinsAndExpressionsAreNotWritten();
    void onlySelectStatementsOpen();

private:
    CADODataBase& Db() { return m_session->Dir().Database(); }
    QString Text(const QString& sql);
};

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

QTEST_MAIN(TestRecordsetEdit)
#include "tst_recordset_edit.moc"
