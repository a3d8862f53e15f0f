// The rooms view: the current home's locations, the selected one's details with what is kept there,
// and New, Properties and Delete with its confirmation.

#include "CTestSession.h"
#include "RecordTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "data/Formatting.h"
#include "records/CArea.h"
#include "records/CHome.h"
#include "views/CRoomsView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

namespace {

long StoredArea(long homeId, const QString& description, long length = 0, long width = 0)
{
    CArea area;
    area.SetHomeId(homeId);
    area.SetDescription(description);
    area.SetLength(length);
    area.SetWidth(width);
    area.SetNotes(QStringLiteral("Morning sun"));
    return area.Save() ? area.GetId() : -1;
}

QStringList Rows(const CAutoListCtrl& list)
{
    QStringList rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows += list.GetItemText(row, 0);
    return rows;
}

} // namespace

class TestRoomsView final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsTheCurrentHomesLocationsAndSelects();
    void detailsShowTheSummaryAndTheAssetsKeptThere();
    void deleteAsksAndKeepsTheAssets();
    void newAndPropertiesListTheLocationSelected();

private:
    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;
    CHome m_home;
    std::unique_ptr<CRoomsView> m_view;
};

void TestRoomsView::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    m_prompt = &m_session->Prompt();
    m_home = CHome();
    m_home.SetDescription(QStringLiteral("Cottage"));
    QVERIFY(m_home.Save());
    m_view = std::make_unique<CRoomsView>(m_home);
    m_view->resize(460, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestRoomsView::cleanup()
{
    m_view.reset();
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestRoomsView::listsTheCurrentHomesLocationsAndSelects()
{
    StoredArea(m_home.GetId(), QStringLiteral("Kitchen"));
    const long den = StoredArea(m_home.GetId(), QStringLiteral("den"));
    StoredArea(m_home.GetId() + 1, QStringLiteral("Elsewhere"));
    StoredArea(m_home.GetId(), QStringLiteral("Attic"));
    CAutoListCtrl& list = *m_view->GetList();
    QCOMPARE(list.GetColumnText(0), QStringLiteral("Rooms and Areas"));

    QVERIFY(AppDatabase()->Execute(
        QStringLiteral("UPDATE Areas SET Color1=%1 WHERE AreaId=%2;").arg(0x9D5F37).arg(den)));
    m_view->Refresh(den);
    QCOMPARE(Rows(list), QStringList({"Attic", "den", "Kitchen"}));
    QCOMPARE(list.GetCurSel(), 1);
    // Each row's chip shows the location's first colour.
    QCOMPARE(m_view->GetRowColor(0), QColor(Qt::white));
    QCOMPARE(m_view->GetRowColor(1), QColor(0x37, 0x5F, 0x9D));
    QVERIFY(!m_view->GetRowColor(3).isValid());
    QCOMPARE(m_view->GetDetails()->toPlainText(), QStringLiteral("Morning sun\n\nNo assets are kept here."));

    m_view->Refresh(0);
    QCOMPARE(list.GetItemCount(), 3);
    QCOMPARE(list.GetCurSel(), -1);
    QVERIFY(m_view->GetDetails()->toPlainText().isEmpty());
    list.SetCurSel(2);
    QVERIFY(m_view->GetDetails()->toPlainText().startsWith(QStringLiteral("Morning sun")));
}

void TestRoomsView::detailsShowTheSummaryAndTheAssetsKeptThere()
{
    const long den = StoredArea(m_home.GetId(), QStringLiteral("Den"), 150, 120);
    QVERIFY(AppDatabase()->Execute(
        QStringLiteral("INSERT INTO Assets (AssetId, HomeId, AreaId, Description, CurrentValue) VALUES "
                       "(1, %1, %2, 'Sofa', 100.5), (2, %1, %2, 'Lamp', 200), (3, %1, 0, 'Rug', 50);")
            .arg(m_home.GetId())
            .arg(den)));
    m_view->Refresh(den);
    QCOMPARE(m_view->GetDetails()->toPlainText(),
             QStringLiteral("Dimensions: 12'6\" x 10'\nArea: ") + FormatNumber(125.0f, true, false) +
                 QStringLiteral(" sq. ft.\nMorning sun\n\n2 assets are kept here, worth ") +
                 FormatMoney(300.5f) + QLatin1Char('.'));
}

void TestRoomsView::deleteAsksAndKeepsTheAssets()
{
    const long den = StoredArea(m_home.GetId(), QStringLiteral("Den"));
    StoredArea(m_home.GetId(), QStringLiteral("Attic"));
    QVERIFY(AppDatabase()->Execute(
        QStringLiteral(
            "INSERT INTO Assets (AssetId, HomeId, AreaId, Description) VALUES (1, %1, %2, 'Sofa');")
            .arg(m_home.GetId())
            .arg(den)));
    m_view->Refresh(den);
    const QString question = QStringLiteral(
        "This location will be deleted. Its assets stay in the inventory, with no location. Continue?");
    m_prompt->ExpectMessage(IDNO)
        .Text(question)
        .Icon(MessageIcon::Exclamation)
        .Buttons(MessageButtons::YesNo);
    QTest::keyClick(m_view->GetList(), Qt::Key_Delete);
    QCOMPARE(RowCount(QStringLiteral("Areas")), 2L);

    m_prompt->ExpectMessage(IDYES).Text(question);
    QTest::keyClick(m_view->GetList(), Qt::Key_Delete);
    QCOMPARE(Rows(*m_view->GetList()), QStringList({"Attic"}));
    QCOMPARE(RowCount(QStringLiteral("Areas")), 1L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE AreaId=0")), 1L);
}

void TestRoomsView::newAndPropertiesListTheLocationSelected()
{
    StoredArea(m_home.GetId(), QStringLiteral("Attic"));
    m_view->Refresh(0);
    m_prompt->ExpectModal([this](QDialog& sheet) {
        Child<QComboBox>(sheet, "areaDescription")->setEditText(QStringLiteral("Study"));
        m_prompt->PressOk(sheet);
    });
    QVERIFY(m_view->NewLocation());
    CAutoListCtrl& list = *m_view->GetList();
    QCOMPARE(Rows(list), QStringList({"Attic", "Study"}));
    QCOMPARE(list.GetCurSel(), 1);
    QCOMPARE(RowCount(QStringLiteral("Areas"), QStringLiteral("WHERE HomeId=%1").arg(m_home.GetId())), 2L);

    m_prompt->ExpectModal([this](QDialog& sheet) {
        QCOMPARE(Child<QComboBox>(sheet, "areaDescription")->currentText(), QStringLiteral("Study"));
        Child<QComboBox>(sheet, "areaDescription")->setEditText(QStringLiteral("Archive"));
        m_prompt->PressOk(sheet);
    });
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(Rows(list), QStringList({"Archive", "Attic"}));
    QCOMPARE(list.GetCurSel(), 0);
}

QTEST_MAIN(TestRoomsView)
#include "tst_roomsview.moc"
