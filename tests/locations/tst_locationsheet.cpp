// The "Location Properties" sheet and its "Select Color" dialog, driven through the prompt seam:
// feet and inches to the record and back, the description refusal, and the colours page.

#include "CTestSession.h"
#include "RecordTestSupport.h"
#include "controls/CLabel.h"
#include "records/CArea.h"
#include "records/sheets/AreaProperties.h"
#include "records/sheets/CSelectColorDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class TestLocationSheet final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void feetAndInchesRoundTrip();
    void emptyDescriptionKeepsThePage();
    void colorDialogKeepsTrackBarsAndEditsInStep();
    void colorsPageShowsAndStoresTheChosenColor();

private:
    bool RunSheet(CArea& area, const std::function<void(QDialog&)>& handler);

    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;
};

void TestLocationSheet::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    m_prompt = &m_session->Prompt();
}

void TestLocationSheet::cleanup()
{
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

bool TestLocationSheet::RunSheet(CArea& area, const std::function<void(QDialog&)>& handler)
{
    m_prompt->ExpectModal(handler).Caption(QStringLiteral("Location Properties"));
    return EditProperties(area, nullptr);
}

void TestLocationSheet::feetAndInchesRoundTrip()
{
    CArea area;
    area.SetHomeId(3);
    QVERIFY(RunSheet(area, [this](QDialog& dialog) {
        auto* tabs = Child<QTabWidget>(dialog, "tabs");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(1), QStringLiteral("Colors"));
        auto* combo = Child<QComboBox>(dialog, "areaDescription");
        QCOMPARE(combo->currentText(), QStringLiteral("New Location"));
        QCOMPARE(combo->count(), 19);
        QCOMPARE(combo->itemText(18), QStringLiteral("Office"));
        auto* lengthFeet = Child<QLineEdit>(dialog, "lengthFeet");
        lengthFeet->clear();
        // Only digits get in.
        QTest::keyClicks(lengthFeet, QStringLiteral("1x2.5"));
        QCOMPARE(lengthFeet->text(), QStringLiteral("125"));
        lengthFeet->setText(QStringLiteral("12"));
        Child<QLineEdit>(dialog, "lengthInches")->setText(QStringLiteral("6"));
        Child<QLineEdit>(dialog, "widthFeet")->setText(QStringLiteral("10"));
        Child<QLineEdit>(dialog, "widthInches")->clear();
        Child<QLineEdit>(dialog, "heightInches")->setText(QStringLiteral("11"));
        m_prompt->PressOk(dialog);
    }));
    CArea stored;
    stored.SetId(area.GetId());
    QVERIFY(stored.Load());
    QCOMPARE(stored.GetDescription(), QStringLiteral("New Location"));
    QCOMPARE(stored.GetHomeId(), 3L);
    QCOMPARE(stored.GetLength(), 150L);
    QCOMPARE(stored.GetWidth(), 120L);
    QCOMPARE(stored.GetHeight(), 11L);

    QVERIFY(!RunSheet(stored, [this](QDialog& dialog) {
        QCOMPARE(Child<QLineEdit>(dialog, "lengthFeet")->text(), QStringLiteral("12"));
        QCOMPARE(Child<QLineEdit>(dialog, "lengthInches")->text(), QStringLiteral("6"));
        QCOMPARE(Child<QLineEdit>(dialog, "heightFeet")->text(), QStringLiteral("0"));
        QCOMPARE(Child<QLineEdit>(dialog, "heightInches")->text(), QStringLiteral("11"));
        Child<QComboBox>(dialog, "areaDescription")->setEditText(QStringLiteral("Den"));
        m_prompt->PressCancel(dialog);
    }));
    QCOMPARE(stored.GetDescription(), QStringLiteral("New Location"));
}

void TestLocationSheet::emptyDescriptionKeepsThePage()
{
    CArea area;
    QVERIFY(RunSheet(area, [this](QDialog& dialog) {
        auto* combo = Child<QComboBox>(dialog, "areaDescription");
        combo->setEditText(QString());
        m_prompt->ExpectMessage(IDOK)
            .Text(QStringLiteral("Please enter a description for this location."))
            .Caption(QStringLiteral("Hearthstead"))
            .Icon(MessageIcon::Information);
        m_prompt->PressOk(dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), combo);
        combo->setCurrentIndex(2);
        m_prompt->PressOk(dialog);
    }));
    QCOMPARE(area.GetDescription(), QStringLiteral("Living Room"));
    QCOMPARE(RowCount(QStringLiteral("Areas")), 1L);
}

void TestLocationSheet::colorDialogKeepsTrackBarsAndEditsInStep()
{
    CSelectColorDlg dialog(0x9D5F37, QStringLiteral("Walls"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Color"));
    auto* redSlider = Child<QSlider>(dialog, "redSlider");
    auto* greenEdit = Child<QSpinBox>(dialog, "greenEdit");
    auto* blueEdit = Child<QSpinBox>(dialog, "blueEdit");
    QCOMPARE(Child<QSpinBox>(dialog, "redEdit")->value(), 0x37);
    QCOMPARE(Child<QSlider>(dialog, "greenSlider")->value(), 0x5F);
    QCOMPARE(Child<QSlider>(dialog, "blueSlider")->value(), 0x9D);
    QCOMPARE(Child<CLabel>(dialog, "colorPreview")->GetBkColor(), QColor(0x37, 0x5F, 0x9D));

    redSlider->setValue(255);
    QCOMPARE(Child<QSpinBox>(dialog, "redEdit")->value(), 255);
    greenEdit->setValue(1);
    QCOMPARE(Child<QSlider>(dialog, "greenSlider")->value(), 1);
    QCOMPARE(dialog.GetColor(), 255L + 256L + 0x9DL * 65536L);
    QCOMPARE(Child<CLabel>(dialog, "colorPreview")->GetBkColor(), QColor(255, 1, 0x9D));

    // A component above 255 cannot be typed; the edit keeps the last value it could take.
    blueEdit->selectAll();
    QTest::keyClicks(blueEdit, QStringLiteral("300"));
    QCOMPARE(blueEdit->text(), QStringLiteral("30"));
    QCOMPARE(Child<QSlider>(dialog, "blueSlider")->value(), 30);
    QCOMPARE(dialog.GetDescription(), QStringLiteral("Walls"));
}

void TestLocationSheet::colorsPageShowsAndStoresTheChosenColor()
{
    CArea area;
    area.SetDescription(QStringLiteral("Den"));
    QVERIFY(RunSheet(area, [this](QDialog& dialog) {
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(1);
        auto* swatch = Child<CLabel>(dialog, "colorSwatch2");
        QCOMPARE(swatch->text(), QStringLiteral("Click to change color"));
        QCOMPARE(swatch->GetBkColor(), QColor(Qt::white));
        QCOMPARE(Child<QLabel>(dialog, "colorCaption2")->text(), QStringLiteral("Curtains"));

        m_prompt->ExpectModal([this](QDialog& select) { m_prompt->PressCancel(select); })
            .Caption(QStringLiteral("Select Color"));
        swatch->setFocus();
        QTest::keyClick(swatch, Qt::Key_Space);
        QCOMPARE(swatch->text(), QStringLiteral("Click to change color"));

        m_prompt->ExpectModal([this](QDialog& select) {
            QCOMPARE(Child<QLineEdit>(select, "colorDescription")->text(), QStringLiteral("Curtains"));
            Child<QSlider>(select, "redSlider")->setValue(0x37);
            Child<QSpinBox>(select, "greenEdit")->setValue(0x5F);
            Child<QSpinBox>(select, "blueEdit")->setValue(0x9D);
            Child<QLineEdit>(select, "colorDescription")->setText(QStringLiteral("Blinds"));
            m_prompt->PressOk(select);
        });
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(swatch->text(), QString());
        QCOMPARE(swatch->GetBkColor(), QColor(0x37, 0x5F, 0x9D));
        QCOMPARE(Child<QLabel>(dialog, "colorCaption2")->text(), QStringLiteral("Blinds"));
        m_prompt->PressOk(dialog);
    }));
    CArea stored;
    stored.SetId(area.GetId());
    QVERIFY(stored.Load());
    QCOMPARE(stored.GetColor(1), 0x9D5F37L);
    QCOMPARE(stored.GetLabel(1), QStringLiteral("Blinds"));
    QCOMPARE(stored.GetColor(0), CArea::kWhite);
}

QTEST_MAIN(TestLocationSheet)
#include "tst_locationsheet.moc"
