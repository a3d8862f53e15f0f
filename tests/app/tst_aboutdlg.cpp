#include "CScriptedPrompt.h"
#include "app/CAboutDlg.h"
#include "controls/CLabel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
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
    QCOMPARE(product->GetTextColor(), QColor(0, 0, 0));

    auto* group = dialog.findChild<QGroupBox*>(QStringLiteral("contactGroup"));
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("Contact Us"));
    auto* form = qobject_cast<QFormLayout*>(group->layout());
    QVERIFY(form);
    const QStringList captions{QStringLiteral("Web:"), QStringLiteral("Support:"), QStringLiteral("Sales:")};
    const QStringList links{QStringLiteral("webLink"), QStringLiteral("supportLink"),
                            QStringLiteral("salesLink")};
    for (int row = 0; row < 3; ++row) {
        auto* caption = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        auto* link = qobject_cast<CLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget());
        QVERIFY(caption && link);
        QCOMPARE(caption->text(), captions[row]);
        QCOMPARE(link->objectName(), links[row]);
        QVERIFY(link->text().contains(QStringLiteral("example.com")));
        QCOMPARE(link->GetTextColor(), QColor(0, 0, 128));
        QVERIFY(link->font().underline());
        QVERIFY(!link->font().bold());
    }

    CScriptedPrompt prompt;
    prompt.ExpectModalOf<CAboutDlg>([&](CAboutDlg& shown) { prompt.PressOk(shown); })
        .Caption(QStringLiteral("About Hearthstead"));
    QCOMPARE(Prompt().RunModal(dialog), int(QDialog::Accepted));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

QTEST_MAIN(TestAboutDlg)
#include "tst_aboutdlg.moc"
