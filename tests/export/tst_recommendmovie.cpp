// The movie search: the genre list as it opens, then one table of searches over the video titles
// of every home, each run twice to show that a search replaces the one before.

#include "CTestSession.h"
#include "controls/CAutoListCtrl.h"
#include "records/CAsset.h"
#include "res/StringIds.h"
#include "views/CDlgRecommendMovie.h"

#include <QComboBox>
#include <QtTest>

#include <memory>

class TestRecommendMovie final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensSortedOnRomanceWithNothingListed();
    void search_data();
    void search();

private:
    std::unique_ptr<CTestSession> m_session;
};

void TestRecommendMovie::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    // Two homes' titles, a general asset whose make happens to be a genre, and a title left at the
    // default release year.
    const struct
    {
        long home;
        long category;
        const char* title;
        const char* genre;
        int year;
    } assets[] = {{1, CAsset::kVideoCategory, "Roman Holiday", "Romance", 1953},
                  {2, CAsset::kVideoCategory, "Casablanca", "Romance", 1942},
                  {1, CAsset::kVideoCategory, "Alien", "Sci Fi/Fantasy", 1979},
                  {1, CAsset::kVideoCategory, "Home Movies", "", 0},
                  {1, 1, "Romance novel shelf", "Romance", 1990}};
    for (const auto& row : assets) {
        CAsset asset;
        asset.SetHomeId(row.home);
        asset.SetCategoryId(row.category);
        asset.SetDescription(QString::fromLatin1(row.title));
        asset.SetMakeModel(QString::fromLatin1(row.genre));
        if (row.year > 0) {
            asset.SetReleaseYear(row.year);
        }
        QVERIFY(asset.Save());
    }
}

void TestRecommendMovie::cleanup()
{
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestRecommendMovie::opensSortedOnRomanceWithNothingListed()
{
    CDlgRecommendMovie dialog;
    QComboBox& combo = *dialog.GetGenreCombo();
    QCOMPARE(combo.count(), 20);
    QCOMPARE(combo.currentText(), QStringLiteral("Romance"));
    QCOMPARE(combo.itemText(0), QStringLiteral("Action/Adventure"));
    QCOMPARE(combo.itemText(19), QStringLiteral("Western"));
    QCOMPARE(dialog.GetList()->GetItemCount(), 0);
}

void TestRecommendMovie::search_data()
{
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("message");
    QTest::newRow("one genre, every home, by title")
        << "Romance" << QStringList{"1942 Casablanca", "1953 Roman Holiday"} << "2 title(s) were found!";
    QTest::newRow("case counts") << "romance" << QStringList() << QString();
    QTest::newRow("no trimming") << "Romance " << QStringList() << QString();
    QTest::newRow("empty lists every title")
        << "" << QStringList{"1979 Alien", "1942 Casablanca", "2000 Home Movies", "1953 Roman Holiday"}
        << "4 title(s) were found!";
}

void TestRecommendMovie::search()
{
    QFETCH(QString, genre);
    QFETCH(QStringList, rows);
    QFETCH(QString, message);
    CDlgRecommendMovie dialog;
    dialog.GetGenreCombo()->setEditText(genre);
    for (int run = 0; run < 2; ++run) {
        auto& step = m_session->Prompt().ExpectMessage(IDOK).Icon(MessageIcon::Information);
        message.isEmpty() ? step.TextId(IDS_NO_MATCHING_MOVIES) : step.Text(message);
        dialog.OnSearch();
        const CAutoListCtrl& list = *dialog.GetList();
        QStringList listed;
        for (int row = 0; row < list.GetItemCount(); ++row) {
            listed << list.GetItemText(row, 0) + ' ' + list.GetItemText(row, 1);
        }
        QCOMPARE(listed, rows);
    }
}

QTEST_MAIN(TestRecommendMovie)
#include "tst_recommendmovie.moc"
