#include "platform/CQtPrompt.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

// Waits for the modal window of type T to appear and hands it to the handler, which closes it.
template <typename T> void WhenModalShows(QObject* context, std::function<void(T&)> handler)
{
    auto* timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, context, [timer, handler] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            handler(*modal);
        }
    });
    timer->start();
}

MessageRequest Request(MessageButtons buttons, int defaultAnswer, QWidget* owner = nullptr)
{
    return {owner, "Delete this asset?", "Hearthstead", MessageIcon::Question, buttons, defaultAnswer};
}

} // namespace

class TestQtPrompt : public QObject
{
    Q_OBJECT

private slots:
    void windowsFiltersBecomeQtFilters()
    {
        QCOMPARE(QtFilterFromWindows("Images (*.gif;*.jpg)|*.gif;*.jpg|"), "Images (*.gif *.jpg)");
        QCOMPARE(QtFilterFromWindows("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"),
                 "CSV Files (*.csv)\nAll Files (*)");
        QCOMPARE(QtFilterFromWindows("Data|*.dat"), "Data (*.dat)");
        QCOMPARE(QtFilterFromWindows("|*.bmp;*.png|"), "*.bmp *.png");
    }

    void messageBoxAsksAndAnswers()
    {
        CQtPrompt prompt(true);
        QWidget owner;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        WhenModalShows<QMessageBox>(this, [&](QMessageBox& box) {
            box.button(QMessageBox::Yes)->click(); // first, so that a failed check cannot leave it open
            QCOMPARE(box.windowTitle(), "Hearthstead");
            QCOMPARE(box.text(), "Delete this asset?");
            QCOMPARE(box.icon(), QMessageBox::Question);
            QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.parentWidget(), &owner);
            defaultButton = box.standardButton(box.defaultButton());
        });
        QCOMPARE(prompt.Message(Request(MessageButtons::YesNo, IDNO, &owner)), int(IDYES));
        QCOMPARE(defaultButton, QMessageBox::No);

        // No default named: the first button is the default.
        WhenModalShows<QMessageBox>(this, [&](QMessageBox& box) {
            defaultButton = box.standardButton(box.defaultButton());
            box.button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(prompt.Message(Request(MessageButtons::RetryCancel, 0)), int(IDCANCEL));
        QCOMPARE(defaultButton, QMessageBox::Retry);

        // Closed without a button, the box answers its way out.
        WhenModalShows<QMessageBox>(this, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(prompt.Message(Request(MessageButtons::YesNoCancel, IDYES)), int(IDCANCEL));
        WhenModalShows<QMessageBox>(this, [](QMessageBox& box) { box.reject(); });
        QCOMPARE(prompt.Message(Request(MessageButtons::YesNo, IDYES)), int(IDNO));
    }

    void fileDialogTakesTheRequest()
    {
        CQtPrompt prompt(true);
        FileRequest request;
        request.title = "Export Inventory Data";
        request.filter = "CSV Files (*.csv)|*.csv|";
        request.defaultExtension = "csv";
        for (const bool save : {true, false}) {
            request.save = save;
            request.promptOverwrite = save;
            int shown = 0;
            WhenModalShows<QFileDialog>(this, [&](QFileDialog& dialog) {
                dialog.reject();
                ++shown;
                QCOMPARE(dialog.windowTitle(), "Export Inventory Data");
                QCOMPARE(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
                QCOMPARE(dialog.fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
                QCOMPARE(dialog.nameFilters(), QStringList{"CSV Files (*.csv)"});
                QCOMPARE(dialog.defaultSuffix(), "csv");
                // The replace question comes from ChooseFile, through the prompt, not from the dialog.
                QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            });
            QCOMPARE(prompt.ChooseFile(request), QString());
            QCOMPARE(shown, 1);
        }
    }

    void withoutAScreenNothingWaits()
    {
        // The tests run offscreen, so the prompt the program makes for itself answers by default.
        QVERIFY(!CQtPrompt().IsInteractive());
        CQtPrompt prompt(false);
        QCOMPARE(prompt.Message(Request(MessageButtons::YesNo, IDNO)), int(IDNO));
        QCOMPARE(prompt.Message(Request(MessageButtons::OkCancel, 0)), int(IDOK));
        QCOMPARE(prompt.ChooseFile(FileRequest()), QString());
        QDialog dialog;
        QCOMPARE(prompt.RunModal(dialog), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestQtPrompt)
#include "tst_qtprompt.moc"
