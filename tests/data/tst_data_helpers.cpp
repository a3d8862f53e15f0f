// Record ids, lookups and the combo fillers.

#include "CTestDataDir.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/ComboFillers.h"
#include "data/DataHelpers.h"

#include <QComboBox>
#include <QtTest>

class TestDataHelpers final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nextIds();
    void lookups();
    void helpersWithoutASessionFindNothing();
    void combos();

private:
    QString NextIds();

    std::unique_ptr<CTestDataDir> m_dir;
};

void TestDataHelpers::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestDataHelpers::cleanup()
{
    m_dir.reset();
}

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
                                        m_dir->Path() + QStringLiteral("HOMEDATA.DAT';"));

    QCOMPARE(LoadResString(1), QString());
}

void TestDataHelpers::helpersWithoutASessionFindNothing()
{
    SetAppDatabase(nullptr);
    QCOMPARE(GetNextId(QStringLiteral("Tasks")), -1L);
    QCOMPARE(LookupField(19, QStringLiteral("Categories"), QStringLiteral("CategoryId"),
                         QStringLiteral("Description")),
             QString());
    QComboBox combo;
    FillCategoryCombo(&combo, 0, 1, true);
    QCOMPARE(combo.count(), 1);
    QCOMPARE(combo.currentIndex(), -1);
    SetAppDatabase(&m_dir->Database());
}

void TestDataHelpers::combos()
{
    QComboBox combo;
    FillCategoryCombo(&combo, 0, 1, true);
    QCOMPARE(combo.count(), 21);
    QCOMPARE(combo.currentText(), QStringLiteral("(optional)"));
    FillCategoryCombo(&combo, 19, 1, false);
    QCOMPARE(combo.itemText(0), QStringLiteral("Please select..."));
    QCOMPARE(combo.currentText(), QStringLiteral("Video Library"));
    QCOMPARE(combo.currentData().toInt(), 19);
    // An id that is not among the items leaves the first item selected.
    FillCategoryCombo(&combo, 19, 3, false);
    QCOMPARE(combo.count(), 5);
    QCOMPARE(combo.currentIndex(), 0);

    const QString sql =
        QStringLiteral("SELECT CategoryId, Description, CASE WHEN CategoryType=1 THEN 'asset' END "
                       "FROM Categories WHERE CategoryId IN (19, 26) ORDER BY CategoryId;");
    FillComboFromQuery(&combo, 26, sql, true, QString());
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("Video Library (asset)"));
    QCOMPARE(combo.currentIndex(), 1);
    FillComboFromQuery(&combo, 0, QStringLiteral("SELECT AreaId, Description FROM Nowhere;"), false,
                       QStringLiteral("(optional)"));
    QCOMPARE(combo.count(), 1);
    QCOMPARE(combo.currentIndex(), -1);

    QComboBox genres;
    FillComboFromString(&genres, QStringLiteral("Romance"), 57352);
    QCOMPARE(genres.count(), 20);
    QCOMPARE(genres.currentText(), QStringLiteral("Romance"));
    QComboBox units;
    FillComboFromString(&units, QString(), 32826);
    QCOMPARE(units.count(), 11);
    QCOMPARE(units.currentIndex(), 0);
    FillComboFromString(&units, QStringLiteral("pint"), 1); // no list: selects among the items it has
    QCOMPARE(units.count(), 11);
    QCOMPARE(units.currentText(), QStringLiteral("pint"));
}

QTEST_MAIN(TestDataHelpers)
#include "tst_data_helpers.moc"
