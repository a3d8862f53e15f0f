// The rooms view in the main frame: a selected home's locations, the selected one's details with
// what is kept there, New from the menu and the toolbar, Properties, and Delete with its question.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "data/Formatting.h"
#include "records/CArea.h"
#include "views/CRoomsView.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>

class TestRoomsView final : public CSessionTest
{
    Q_OBJECT

private slots:
    void listsTheSelectedHomesLocationsWithDetails()
    {
        const long den = 50;
        QVERIFY(AppDatabase()->Execute(
            QString("INSERT INTO Areas (AreaId, HomeId, Description, Length, Width, Height, Color1, Notes) "
                    "VALUES (%2, %1, 'Den', 150, 12, 11, %3, 'Morning sun'), (52, 99, 'Elsewhere', 0, 0, 0, "
                    "0, NULL), (51, %1, 'attic', 0, 120, 0, %4, 'Morning sun'), "
                    "(53, %1, 'Hall', 150, 0, 0, 0, 'Morning sun'); "
                    "INSERT INTO Assets (AssetId, HomeId, AreaId, CurrentValue) "
                    "VALUES (1, %1, %2, 100.5), (2, %1, %2, 200), (3, %1, 0, 50);")
                .arg(m_homeId)
                .arg(den)
                .arg(0x9D5F37)
                .arg(CArea::kWhite)));
        m_list->SetCurSel(0);
        m_frame->SelectHome(m_homeId);
        m_frame->OnCommand(ID_VIEW_LOCATIONS);
        QCOMPARE(ListTexts(*m_list), QStringList({"attic", "Den", "Hall"}));
        QCOMPARE(m_list->GetCurSel(), -1);
        QVERIFY(m_frame->GetRoomsView()->GetDetails()->toPlainText().isEmpty());
        // Each row's chip shows the location's first colour.
        QCOMPARE(m_frame->GetRoomsView()->GetRowColor(0), QColor(Qt::white));
        QCOMPARE(m_frame->GetRoomsView()->GetRowColor(1), QColor(0x37, 0x5F, 0x9D));

        m_list->SetCurSel(1);
        QCOMPARE(m_frame->GetRoomsView()->GetDetails()->toPlainText(),
                 "Dimensions: 12'6\" x 1' x 11\"\nArea: " + FormatNumber(12.5f, true, false) +
                     " sq. ft.\nMorning sun\n\n2 assets are kept here, worth " + FormatMoney(300.5f) + '.');
        // Without both a length and a width there are no dimensions to show.
        for (int row : {0, 2}) {
            m_list->SetCurSel(row);
            QCOMPARE(m_frame->GetRoomsView()->GetDetails()->toPlainText(),
                     "Morning sun\n\nNo assets are kept here.");
        }
    }

    void newPropertiesAndDeleteKeepTheListInStep()
    {
        QVERIFY(AppDatabase()->Execute(
            QString("INSERT INTO Areas (AreaId, HomeId, Description) VALUES (50, %1, "
                    "'Attic'); INSERT INTO Assets (AssetId, AreaId) VALUES (1, 50), (2, 7);")
                .arg(m_homeId)));
        m_frame->SelectHome(m_homeId);
        ExpectSheet("Study");
        m_frame->OnCommand(ID_NEW_LOCATION);
        QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::LocationsIndex));
        QCOMPARE(ListTexts(*m_list), QStringList({"Attic", "Study"}));
        QCOMPARE(m_list->GetCurSel(), 1);
        ExpectSheet("Den");
        m_frame->GetNewButton()->click();
        QCOMPARE(m_list->GetItemText(m_list->GetCurSel(), 0), "Den");
        QCOMPARE(RowCount("Areas", QString("WHERE HomeId=%1").arg(m_homeId)), 3L);

        ExpectSheet("Archive");
        QTest::keyClick(m_list, Qt::Key_Return);
        QCOMPARE(ListTexts(*m_list), QStringList({"Archive", "Attic", "Study"}));
        QCOMPARE(m_list->GetCurSel(), 0);

        m_list->SetCurSel(1);
        const QString question =
            "This location will be deleted. Its assets stay in the inventory, with no location. Continue?";
        m_prompt->ExpectMessage(IDNO)
            .Text(question)
            .Icon(MessageIcon::Exclamation)
            .Buttons(MessageButtons::YesNo);
        QTest::keyClick(m_list, Qt::Key_Delete);
        m_prompt->ExpectMessage(IDYES).Text(question);
        QTest::keyClick(m_list, Qt::Key_Delete);
        QCOMPARE(ListTexts(*m_list), QStringList({"Archive", "Study"}));
        // Its assets stay with no location; those elsewhere keep theirs.
        QCOMPARE(RowCount("Assets", "WHERE AreaId=0"), 1L);
    }

private:
    void SetUp() override
    {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        m_frame->CreateViews();
        m_list = m_frame->GetRoomsView()->GetList();
        m_homeId = StoredHome("Cottage");
    }

    void TearDown() override { m_frame.reset(); }

    void ExpectSheet(const QString& description)
    {
        m_prompt->ExpectModal([this, description](QDialog& sheet) {
            Child<QComboBox>(sheet, "areaDescription")->setEditText(description);
            m_prompt->PressOk(sheet);
        });
    }

    std::unique_ptr<CMainFrame> m_frame;
    CAutoListCtrl* m_list = nullptr;
    long m_homeId = -1;
};

QTEST_MAIN(TestRoomsView)
#include "tst_roomsview.moc"
