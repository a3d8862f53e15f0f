// The movie search: the genres as the dialog opens, then one table of searches over the video
// titles of every home, each run twice to show that a search replaces the one before.

#include "CSessionTest.h"
#include "controls/CAutoListCtrl.h"
#include "records/CAsset.h"
#include "res/StringIds.h"
#include "views/CDlgRecommendMovie.h"

#include <QComboBox>

class TestRecommendMovie final : public CSessionTest
{
    Q_OBJECT

private slots:
    void search_data()
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

    void search()
    {
        QFETCH(QString, genre);
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        // Two homes' titles, a title left at the default year, a general asset whose make is a genre.
        const struct
        {
            long home, category;
            const char *title, *genre;
            int year;
        } assets[] = {{1, CAsset::kVideoCategory, "Roman Holiday", "Romance", 1953},
                      {2, CAsset::kVideoCategory, "Casablanca", "Romance", 1942},
                      {1, CAsset::kVideoCategory, "Alien", "Sci Fi/Fantasy", 1979},
                      {1, CAsset::kVideoCategory, "Home Movies", "", 2000},
                      {1, 1, "Romance shelf", "Romance", 1990}};
        for (const auto& row : assets) {
            CAsset asset;
            asset.SetHomeId(row.home);
            asset.SetCategoryId(row.category);
            asset.SetDescription(row.title);
            asset.SetMakeModel(row.genre);
            asset.SetReleaseYear(row.year);
            QVERIFY(asset.Save());
        }
        CDlgRecommendMovie dialog;
        QComboBox& combo = *dialog.GetGenreCombo();
        QCOMPARE(combo.currentText() + combo.itemText(0) + combo.itemText(19),
                 "RomanceAction/AdventureWestern");
        QCOMPARE(dialog.GetList()->GetItemCount(), 0);
        combo.setEditText(genre);
        for (int run = 0; run < 2; ++run) {
            auto& step = m_prompt->ExpectMessage(IDOK).Icon(MessageIcon::Information);
            message.isEmpty() ? step.TextId(IDS_NO_MATCHING_MOVIES) : step.Text(message);
            dialog.OnSearch();
            QStringList listed;
            for (int row = 0; row < dialog.GetList()->GetItemCount(); ++row)
                listed << dialog.GetList()->GetItemText(row, 0) + ' ' + dialog.GetList()->GetItemText(row, 1);
            QCOMPARE(listed, rows);
        }
    }
};

QTEST_MAIN(TestRecommendMovie)
#include "tst_recommendmovie.moc"
