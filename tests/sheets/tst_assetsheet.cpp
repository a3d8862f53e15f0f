// The "Asset Properties" sheet in its two shapes, driven through the real pages and the prompt
// seam: a round trip of every field, the warranty that may be no date, and the video title's rules.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CAsset.h"
#include "records/sheets/AssetProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <functional>

static const QString kCaption = "Hearthstead";

class TestAssetSheet final : public CSessionTest
{
    Q_OBJECT

private slots:
    void generalAssetRoundTrip()
    {
        QVERIFY(AppDatabase()->Execute(
            "INSERT INTO Areas (AreaId, HomeId, Description) VALUES (4, 3, 'Den'), (5, 8, 'Attic');"));
        // Each field with its page; a page's fields are taken when it is left.
        const QList<std::tuple<int, const char*, QString>> texts = {
            {0, "assetDescription", "Sofa"}, {0, "assetCurrentValue", "450"},
            {1, "purchasePrice", "899.99"},  {1, "vendor", "Home Store"},
            {1, "dealerPhone", "555-0100"},  {1, "makeModel", "Acme Lounge"},
            {2, "serialNumber", "SN42"},     {2, "replacementValue", "1000"},
            {2, "servicePhone", "555-0199"}};
        CAsset asset;
        asset.SetHomeId(3);
        QVERIFY(RunSheet(asset, [&](QDialog& dialog, QTabWidget& tabs) {
            auto* category = Child<QComboBox>(dialog, "assetCategory");
            auto* location = Child<QComboBox>(dialog, "assetLocation");
            QCOMPARE(category->currentText(), "Please select...");
            // Only this home's rooms, after "(optional)".
            QCOMPARE(location->count(), 2);
            location->setCurrentIndex(1);
            Child<QPushButton>(dialog, "categoriesButton")->click();
            QCOMPARE(category->currentText(), "Furniture");
            for (const auto& [page, name, text] : texts) {
                tabs.setCurrentIndex(page);
                Child<QLineEdit>(dialog, name)->setText(text);
            }
            Child<QCheckBox>(dialog, "hasWarranty")->setChecked(true);
            Child<QDateEdit>(dialog, "warrantyExpiration")->setDate(QDate(2027, 5, 14));
            tabs.setCurrentIndex(1);
            Child<QDateEdit>(dialog, "purchaseDate")->setDate(QDate(2022, 5, 14));
            tabs.setCurrentIndex(4);
            Child<QPlainTextEdit>(dialog, "notesEdit")->setPlainText("Green");
            m_prompt->PressOk(dialog);
        }));
        const CAsset stored = StoredRecord<CAsset>(asset.GetId());
        QStringList typed;
        for (const auto& field : texts)
            typed += std::get<2>(field);
        QCOMPARE(QStringList({stored.GetDescription(), QString::number(stored.GetCurrentValue()),
                              QString::number(stored.GetPurchasePrice()), stored.GetVendor(),
                              stored.GetPhone1(), stored.GetMakeModel(), stored.GetSerialNumber(),
                              QString::number(stored.GetReplacementValue()), stored.GetPhone2()}),
                 typed);
        QCOMPARE(stored.GetHomeId(), 3L);
        QCOMPARE(stored.GetCategoryId(), 9L);
        QCOMPARE(stored.GetAreaId(), 4L);
        QCOMPARE(stored.GetPurchaseDate().ToDate(), QDate(2022, 5, 14));
        QCOMPARE(stored.GetWarrantyExpiration().ToDate(), QDate(2027, 5, 14));
        QCOMPARE(stored.GetNotes(), "Green");
    }

    void warrantyNoneBothWays_data()
    {
        QTest::addColumn<QDate>("stored");
        QTest::addColumn<bool>("shownChecked");
        QTest::newRow("a date in 2000 reads as none") << QDate(2000, 8, 9) << false;
        QTest::newRow("a real date shows") << QDate(2026, 8, 9) << true;
    }

    void warrantyNoneBothWays()
    {
        QFETCH(QDate, stored);
        QFETCH(bool, shownChecked);
        CAsset asset;
        asset.SetWarrantyExpiration(DateTimeValue::FromDate(stored));
        QVERIFY(asset.Save());
        QVERIFY(RunSheet(asset, [&](QDialog& dialog, QTabWidget& tabs) {
            tabs.setCurrentIndex(2);
            auto* check = Child<QCheckBox>(dialog, "hasWarranty");
            QCOMPARE(check->isChecked(), shownChecked);
            QCOMPARE(Child<QDateEdit>(dialog, "warrantyExpiration")->isEnabled(), shownChecked);
            // Cleared: stored as 1 January 2000, whatever the picker shows.
            check->setChecked(false);
            m_prompt->PressOk(dialog);
        }));
        QCOMPARE(StoredRecord<CAsset>(asset.GetId()).GetWarrantyExpiration().ToDateTime(),
                 QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    }

    void videoTitleShapeAndRules()
    {
        CAsset video;
        video.SetHomeId(2);
        video.SetCategoryId(CAsset::kVideoCategory);
        QVERIFY(RunSheet(video, [this](QDialog& dialog, QTabWidget& tabs) {
            QCOMPARE(Child<QLineEdit>(dialog, "assetDescription")->text(), "New Video");
            QVERIFY(!Child<QComboBox>(dialog, "assetCategory")->isEnabled());
            QVERIFY(!Child<QPushButton>(dialog, "categoriesButton")->isEnabled());
            QVERIFY(Child<QComboBox>(dialog, "assetLocation")->isHidden());
            QVERIFY(Child<QLineEdit>(dialog, "assetCurrentValue")->isHidden());
            tabs.setCurrentIndex(1);
            auto* genre = Child<QComboBox>(dialog, "genre");
            auto* year = Child<QSpinBox>(dialog, "releaseYear");
            QCOMPARE(genre->currentText(), "General");
            QCOMPARE(year->value(), 2000);
            // Outside 1900 to 2020 the page keeps the user.
            year->setValue(2021);
            m_prompt->ExpectMessage(IDOK)
                .Text("Please enter an integer between 1900 and 2020.")
                .Caption(kCaption);
            tabs.setCurrentIndex(2);
            QCOMPARE(tabs.currentIndex(), 1);
            year->setValue(1900);
            genre->setEditText("Noir");
            m_prompt->PressOk(dialog);
        }));
        const CAsset stored = StoredRecord<CAsset>(video.GetId());
        QCOMPARE(stored.GetMakeModel(), "Noir");
        QCOMPARE(stored.GetWarrantyExpiration().ToDateTime(), QDateTime(QDate(1900, 1, 1), QTime(0, 0)));

        // Editing a title never touches its area or value, even when the row holds them.
        QVERIFY(AppDatabase()->Execute(
            QString("UPDATE Assets SET AreaId=7, CurrentValue=12 WHERE AssetId=%1;").arg(video.GetId())));
        CAsset again = StoredRecord<CAsset>(video.GetId());
        QVERIFY(RunSheet(again, [this](QDialog& dialog, QTabWidget&) {
            Child<QLineEdit>(dialog, "assetDescription")->setText("Casablanca");
            m_prompt->PressOk(dialog);
        }));
        const CAsset edited = StoredRecord<CAsset>(video.GetId());
        QCOMPARE(edited.GetDescription(), "Casablanca");
        QCOMPARE(edited.GetAreaId(), 7L);
        QCOMPARE(edited.GetCurrentValue(), 12.0f);
        QCOMPARE(edited.GetCategoryId(), CAsset::kVideoCategory);
    }

    void descriptionRequiredAndCancelStoresNothing()
    {
        const long nextId = StoredNextId("Assets");
        CAsset asset;
        QVERIFY(!RunSheet(asset, [this](QDialog& dialog, QTabWidget&) {
            Child<QLineEdit>(dialog, "assetDescription")->clear();
            QVERIFY(m_prompt->RefusedOnOk(dialog, "Please enter a description for this asset."));
            m_prompt->PressCancel(dialog);
        }));
        QCOMPARE(asset.GetId(), -1L);
        QCOMPARE(StoredNextId("Assets"), nextId);
        QCOMPARE(RowCount("Assets"), 0L);
    }

private:
    bool RunSheet(CAsset& asset, const std::function<void(QDialog&, QTabWidget&)>& handler)
    {
        m_prompt
            ->ExpectModal([handler](QDialog& dialog) {
                auto* tabs = Child<QTabWidget>(dialog, "tabs");
                QVERIFY(tabs);
                handler(dialog, *tabs);
            })
            .Caption("Asset Properties");
        // The chooser picks "Furniture" (9) as the Categories dialog would.
        return EditProperties(asset, nullptr, [](QWidget*, int type, long, const QString& caption) {
            return type == 1 && caption == "Select Category" ? 9L : 0L;
        });
    }
};

QTEST_MAIN(TestAssetSheet)
#include "tst_assetsheet.moc"
