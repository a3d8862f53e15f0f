// The location record (its row in Areas; its summary text and delete run through the rooms view's
// tests), its "Location Properties" sheet and the "Select Color" dialog, driven
// through the prompt seam: feet and inches to the record and back, the description refusal, and
// the colours page.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "controls/CLabel.h"
#include "records/CArea.h"
#include "records/sheets/AreaProperties.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include <functional>

class TestLocationSheet final : public CSessionTest
{
    Q_OBJECT

private slots:
    // Texts of any content: tests/reliability. Here the numbers and the colours left as they were.
    void fieldsRoundTripWithDefaults()
    {
        CArea fresh;
        QVERIFY(!fresh.Load());
        QVERIFY(!fresh.Delete());
        CArea area;
        area.SetHomeId(7);
        area.SetLength(150);
        area.SetHeight(96);
        area.SetColor(0, 0x9D5F37);
        area.SetLabel(1, "Blinds");
        QVERIFY(area.Save());
        const CArea read = StoredRecord<CArea>(area.GetId());
        QCOMPARE(read.GetHomeId(), 7L);
        QCOMPARE(QList<long>({read.GetLength(), read.GetWidth(), read.GetHeight()}),
                 QList<long>({150, 0, 96}));
        QCOMPARE(QList<long>({read.GetColor(0), read.GetColor(1), read.GetColor(2)}),
                 QList<long>({0x9D5F37, CArea::kWhite, CArea::kWhite}));
        QCOMPARE(QStringList({read.GetLabel(0), read.GetLabel(1), read.GetLabel(2)}),
                 QStringList({"Walls", "Blinds", "Panels"}));
    }

    void feetAndInchesRoundTripAfterTheDescriptionRefusal()
    {
        CArea area;
        QVERIFY(RunSheet(area, [this](QDialog& dialog) {
            auto* combo = Child<QComboBox>(dialog, "areaDescription");
            QCOMPARE(combo->currentText(), "New Location");
            combo->setEditText(QString());
            QVERIFY(m_prompt->RefusedOnOk(dialog, "Please enter a description for this location."));
            QCOMPARE(dialog.focusWidget(), combo);
            combo->setCurrentIndex(2);
            auto* lengthFeet = Child<QLineEdit>(dialog, "lengthFeet");
            lengthFeet->clear();
            QTest::keyClicks(lengthFeet, "1x2."); // only digits get in
            Child<QLineEdit>(dialog, "lengthInches")->setText("6");
            Child<QLineEdit>(dialog, "widthFeet")->setText("10");
            Child<QLineEdit>(dialog, "widthInches")->clear();
            Child<QLineEdit>(dialog, "heightInches")->setText("11");
            m_prompt->PressOk(dialog);
        }));
        CArea stored = StoredRecord<CArea>(area.GetId());
        QCOMPARE(stored.GetDescription(), "Living Room");
        QCOMPARE(QList<long>({stored.GetLength(), stored.GetWidth(), stored.GetHeight()}),
                 QList<long>({150, 120, 11}));

        QVERIFY(!RunSheet(stored, [this](QDialog& dialog) {
            QStringList shown;
            for (const char* name : {"lengthFeet", "lengthInches", "heightFeet", "heightInches"}) {
                shown += Child<QLineEdit>(dialog, name)->text();
            }
            QCOMPARE(shown, QStringList({"12", "6", "0", "11"}));
            m_prompt->PressCancel(dialog);
        }));
    }

    void colorsPageAndSelectColorKeepTheirControlsInStep()
    {
        CArea area;
        QVERIFY(RunSheet(area, [this](QDialog& dialog) {
            Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(1);
            auto* swatch = Child<CLabel>(dialog, "colorSwatch2");
            auto* caption = Child<QLabel>(dialog, "colorCaption2");
            QCOMPARE(swatch->text(), "Click to change color");
            QCOMPARE(caption->text(), "Curtains");
            m_prompt
                ->ExpectModal([this](QDialog& select) {
                    auto* blueEdit = Child<QSpinBox>(select, "blueEdit");
                    QCOMPARE(Child<QLineEdit>(select, "colorDescription")->text(), "Curtains");
                    QCOMPARE(Child<QSlider>(select, "redSlider")->value(), 255);
                    Child<QSlider>(select, "redSlider")->setValue(0x37);
                    QCOMPARE(Child<QSpinBox>(select, "redEdit")->value(), 0x37);
                    Child<QSpinBox>(select, "greenEdit")->setValue(0x5F);
                    QCOMPARE(Child<QSlider>(select, "greenSlider")->value(), 0x5F);
                    // A component above 255 cannot be typed; the edit keeps the last value it could take.
                    blueEdit->selectAll();
                    QTest::keyClicks(blueEdit, "300");
                    QCOMPARE(Child<QSlider>(select, "blueSlider")->value(), 30);
                    blueEdit->setValue(0x9D);
                    QCOMPARE(Child<CLabel>(select, "colorPreview")->GetBkColor(), QColor(0x37, 0x5F, 0x9D));
                    Child<QLineEdit>(select, "colorDescription")->setText("Blinds");
                    m_prompt->PressOk(select);
                })
                .Caption("Select Color");
            QTest::mouseClick(swatch, Qt::LeftButton);
            QCOMPARE(swatch->text(), QString());
            QCOMPARE(swatch->GetBkColor(), QColor(0x37, 0x5F, 0x9D));
            QCOMPARE(caption->text(), "Blinds");
            m_prompt->PressOk(dialog);
        }));
        QVERIFY(area.Load());
        QCOMPARE(area.GetColor(1), 0x9D5F37L);
        QCOMPARE(area.GetLabel(1), "Blinds");
    }

private:
    bool RunSheet(CArea& area, const std::function<void(QDialog&)>& handler)
    {
        m_prompt->ExpectModal(handler).Caption("Location Properties");
        return EditProperties(area, nullptr);
    }
};

QTEST_MAIN(TestLocationSheet)
#include "tst_locationsheet.moc"
