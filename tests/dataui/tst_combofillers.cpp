// Combo boxes filled from the database and the string table, and loan terms in their edits.

#include "CTestDataDir.h"
#include "data/ui/ComboFillers.h"
#include "data/ui/TermText.h"
#include "res/StringIds.h"

#include <QtTest>
#include <QtWidgets>

class TestComboFillers final : public QObject
{
    Q_OBJECT

private slots:
    void combos()
    {
        QComboBox combo;
        // Without a session only the first item.
        FillCategoryCombo(&combo, 0, 1, true);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.currentIndex(), -1);
        CTestDataDir dir;
        QVERIFY(dir.Database().IsOpen());
        FillCategoryCombo(&combo, 0, 1, true);
        QCOMPARE(combo.count(), 21);
        QCOMPARE(combo.currentText(), "(optional)");
        FillCategoryCombo(&combo, 19, 1, false);
        QCOMPARE(combo.itemText(0), "Please select...");
        QCOMPARE(combo.currentText(), "Video Library");
        QCOMPARE(combo.currentData().toInt(), 19);
        // An id that is not among the items leaves the first item selected.
        FillCategoryCombo(&combo, 19, 3, false);
        QCOMPARE(combo.count(), 5);
        QCOMPARE(combo.currentIndex(), 0);

        const QString sql = "SELECT CategoryId, Description, CASE WHEN CategoryType=1 THEN 'asset' END "
                            "FROM Categories WHERE CategoryId IN (19, 26) ORDER BY CategoryId;";
        FillComboFromQuery(&combo, 26, sql, true, QString());
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemText(0), "Video Library (asset)");
        QCOMPARE(combo.currentIndex(), 1);
        FillComboFromQuery(&combo, 0, "SELECT AreaId, Description FROM Nowhere;", false, "(optional)");
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.currentIndex(), -1);

        QComboBox genres;
        FillComboFromString(&genres, "Romance", IDS_VIDEO_GENRES);
        QCOMPARE(genres.count(), 20);
        QCOMPARE(genres.currentText(), "Romance");
        QComboBox units;
        FillComboFromString(&units, QString(), IDS_SHOPPING_UNITS);
        QCOMPARE(units.count(), 11);
        QCOMPARE(units.currentIndex(), 0);
        FillComboFromString(&units, "pint", 1); // no list: selects among the items it has
        QCOMPARE(units.count(), 11);
        QCOMPARE(units.currentText(), "pint");
    }

    void loanTerms()
    {
        QLineEdit edit;
        QComboBox unit;
        unit.addItems({"Months", "Years"});

        // How a term reads on the loan sheet runs through its tests; here, what is read back.
        SetTermText(0, &edit, &unit);
        QCOMPARE(edit.text(), "0");
        QCOMPARE(unit.currentIndex(), 1);
        // Only the leading whole number counts.
        edit.setText(" 15.5 years");
        QCOMPARE(GetTermMonths(&edit, &unit), 180);
        unit.setCurrentIndex(-1);
        edit.setText("2");
        QCOMPARE(GetTermMonths(&edit, &unit), 24);
    }
};

QTEST_MAIN(TestComboFillers)
#include "tst_combofillers.moc"
