#include "CScriptedPrompt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog whose OK asks first, as the program's sheets do when a value needs confirming.
class ConfirmingDialog final : public QDialog
{
public:
    ConfirmingDialog()
    {
        setWindowTitle(QStringLiteral("Asset Properties"));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            if (ShowMessage(this, QStringLiteral("Save?"), QStringLiteral("Hearthstead"),
                            MessageIcon::Question, MessageButtons::YesNo) == IDYES)
                accept();
        });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        (new QVBoxLayout(this))->addWidget(buttons);
    }
};

} // namespace

class TestScriptedPrompt : public QObject
{
    Q_OBJECT

private slots:
    void answersInOrderAndRecords();
    void unexpectedPromptsAreProblemsAnsweredAsClosed();
    void checksAndLeftoversAreProblems();
    void modalHandlerRunsWithNestedPrompts();
    void dialogLeftOpenIsRejected();
};

void TestScriptedPrompt::answersInOrderAndRecords()
{
    CScriptedPrompt prompt;
    QWidget owner;
    prompt.ExpectMessage(IDNO).Text(QStringLiteral("Continue?")).Icon(MessageIcon::Exclamation).Owner(&owner);
    prompt.ExpectFile(QStringLiteral("/tmp/out.csv")).Save(true).Filter(QStringLiteral("CSV|*.csv|"));
    prompt.ExpectShellOpen().Path(QStringLiteral("/tmp/out.csv"));

    QCOMPARE(ShowMessage(&owner, QStringLiteral("Continue?"), QStringLiteral("Hearthstead"),
                         MessageIcon::Exclamation, MessageButtons::YesNo, IDNO),
             int(IDNO));
    FileRequest request;
    request.save = true;
    request.filter = QStringLiteral("CSV|*.csv|");
    QCOMPARE(Prompt().ChooseFile(request), QStringLiteral("/tmp/out.csv"));
    QVERIFY(Prompt().ShellOpen(QStringLiteral("/tmp/out.csv")));

    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    QCOMPARE(prompt.Shown().size(), 3);
    QCOMPARE(prompt.MessageTexts(), QStringList{QStringLiteral("Continue?")});
}

void TestScriptedPrompt::unexpectedPromptsAreProblemsAnsweredAsClosed()
{
    CScriptedPrompt prompt;
    QCOMPARE(
        ShowMessage(nullptr, QStringLiteral("a"), QString(), MessageIcon::Question, MessageButtons::YesNo),
        int(IDNO));
    QCOMPARE(
        ShowMessage(nullptr, QStringLiteral("b"), QString(), MessageIcon::None, MessageButtons::OkCancel),
        int(IDCANCEL));
    QCOMPARE(Prompt().ChooseFile(FileRequest()), QString());
    QVERIFY(!Prompt().ShellOpen(QStringLiteral("/tmp/x")));
    QDialog dialog;
    QCOMPARE(Prompt().RunModal(dialog), int(QDialog::Rejected));

    QVERIFY(!prompt.Verify());
    QCOMPARE(prompt.Problems().count(QStringLiteral("unexpected")), 5);

    // A prompt of another kind than the next scripted one leaves that answer for later.
    CScriptedPrompt mismatch;
    mismatch.ExpectFile(QStringLiteral("/tmp/a"));
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("d"), QString(), MessageIcon::None, MessageButtons::YesNo),
             int(IDNO));
    QCOMPARE(Prompt().ChooseFile(FileRequest()), QStringLiteral("/tmp/a"));
    QVERIFY(!mismatch.Verify());
    QVERIFY(mismatch.Problems().contains(QStringLiteral("while a file choice was scripted")));
    prompt.Verify();
}

void TestScriptedPrompt::checksAndLeftoversAreProblems()
{
    CScriptedPrompt prompt;
    prompt.ExpectMessage(IDYES).Text(QStringLiteral("expected text")).Icon(MessageIcon::Question);
    prompt.ExpectMessage(IDYES).TextContains(QStringLiteral("part"));
    prompt.ExpectMessage(IDOK);
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("never shown"));

    QCOMPARE(ShowMessage(nullptr, QStringLiteral("other text"), QString(), MessageIcon::Exclamation,
                         MessageButtons::YesNo),
             int(IDYES));
    ShowMessage(nullptr, QStringLiteral("no such piece"), QString(), MessageIcon::None,
                MessageButtons::YesNo);
    // An answer the box cannot give is a problem; the box answers as closed.
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("x"), QString(), MessageIcon::None, MessageButtons::YesNo),
             int(IDNO));

    QVERIFY(!prompt.Verify());
    const QString problems = prompt.Problems();
    QVERIFY(
        problems.contains(QStringLiteral("text is \"other text\", the script expects \"expected text\"")));
    QVERIFY(problems.contains(QStringLiteral("icon differs")));
    QVERIFY(problems.contains(QStringLiteral("lacks \"part\"")));
    QVERIFY(problems.contains(QStringLiteral("not one of its buttons")));
    QVERIFY(problems.contains(QStringLiteral("never asked for: \"never shown\"")));
    QCOMPARE(prompt.Remaining(), 1);
}

void TestScriptedPrompt::modalHandlerRunsWithNestedPrompts()
{
    CScriptedPrompt prompt;
    prompt
        .ExpectModalOf<ConfirmingDialog>([&](ConfirmingDialog& dialog) {
            QVERIFY(dialog.isVisible());
            prompt.PressOk(dialog);
            QVERIFY(dialog.isVisible()); // the first "Save?" was answered No
            prompt.PressOk(dialog);
        })
        .Caption(QStringLiteral("Asset Properties"));
    prompt.ExpectMessage(IDNO).Text(QStringLiteral("Save?"));
    prompt.ExpectMessage(IDYES).Text(QStringLiteral("Save?"));

    ConfirmingDialog dialog;
    QCOMPARE(Prompt().RunModal(dialog), int(QDialog::Accepted));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestScriptedPrompt::dialogLeftOpenIsRejected()
{
    CScriptedPrompt prompt;
    prompt.ExpectModal([](QDialog&) {});
    prompt.ExpectModal([&](QDialog& dialog) { prompt.PressButton(dialog, QStringLiteral("&Apply")); });
    QDialog dialog;
    QCOMPARE(Prompt().RunModal(dialog), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Prompt().RunModal(dialog), int(QDialog::Rejected));
    QVERIFY(!prompt.Verify());
    QVERIFY(prompt.Problems().contains(QStringLiteral("still open after its handler")));
    QVERIFY(prompt.Problems().contains(QStringLiteral("no button \"&Apply\"")));
}

QTEST_MAIN(TestScriptedPrompt)
#include "tst_scriptedprompt.moc"
