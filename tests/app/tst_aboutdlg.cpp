#include "app/CAboutDlg.h"
#include "controls/CLabel.h"

#include <QRegularExpression>
#include <QTest>

class TestAboutDlg : public QObject
{
    Q_OBJECT

private slots:
    void showsProductAndContacts();
};

void TestAboutDlg::showsProductAndContacts()
{
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Hearthstead"));
    auto* product = dialog.findChild<CLabel*>(QStringLiteral("productLabel"));
    QVERIFY(product);
    QCOMPARE(product->text(), QStringLiteral("Hearthstead v1.3 (Desktop Edition)"));
    QVERIFY(product->font().bold());

    // The three contact links, navy and underlined.
    const QList<CLabel*> links = dialog.findChildren<CLabel*>(QRegularExpression(QStringLiteral("Link$")));
    QCOMPARE(links.size(), 3);
    for (const CLabel* link : links) {
        QVERIFY(link->text().contains(QStringLiteral("example.com")));
        QCOMPARE(link->GetTextColor(), QColor(0, 0, 128));
        QVERIFY(link->font().underline());
    }
}

QTEST_MAIN(TestAboutDlg)
#include "tst_aboutdlg.moc"
