#include "platform/CPrompt.h"
#include "platform/CQtPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

MessageRequest Request(MessageButtons buttons, int defaultAnswer)
{
    MessageRequest request;
    request.text = QStringLiteral("Delete this asset?");
    request.caption = QStringLiteral("Hearthstead");
    request.icon = MessageIcon::Question;
    request.buttons = buttons;
    request.defaultAnswer = defaultAnswer;
    return request;
}

} // namespace

class TestQtPrompt : public QObject
{
    Q_OBJECT

private slots:
    void windowsFiltersBecomeQtFilters_data();
    void windowsFiltersBecomeQtFilters();
    void messageBoxShowsTheRequest();
    void closedMessageBoxAnswersItsWayOut();
    void fileDialogTakesTheRequest();
    void withoutAScreenNothingWaits();
};

void TestQtPrompt::windowsFiltersBecomeQtFilters_data()
{
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("qt");
    QTest::newRow("patterns in the description")
        << QStringLiteral("Images (*.gif;*.jpg)|*.gif;*.jpg|") << QStringLiteral("Images (*.gif *.jpg)");
    QTest::newRow("two entries") << QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||")
                                 << QStringLiteral("CSV Files (*.csv)\nAll Files (*)");
    QTest::newRow("bare description")
        << QStringLiteral("Backup Files|*.dat|") << QStringLiteral("Backup Files (*.dat)");
    QTest::newRow("no trailing bar") << QStringLiteral("Data|*.dat") << QStringLiteral("Data (*.dat)");
    QTest::newRow("no description") << QStringLiteral("|*.bmp;*.png|") << QStringLiteral("*.bmp *.png");
    QTest::newRow("empty") << QString() << QString();
}

void TestQtPrompt::windowsFiltersBecomeQtFilters()
{
    QFETCH(QString, windows);
    QFETCH(QString, qt);
    QCOMPARE(QtFilterFromWindows(windows), qt);
}

void TestQtPrompt::messageBoxShowsTheRequest()
{
    CQtPrompt prompt(true);
    QWidget owner;
    MessageRequest request = Request(MessageButtons::YesNo, IDNO);
    request.owner = &owner;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget* parent = nullptr;
    WhenModalShows<QMessageBox>(this, [&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        defaultButton = box.standardButton(box.defaultButton());
        parent = box.parentWidget();
        box.button(QMessageBox::Yes)->click();
    });
    QCOMPARE(prompt.Message(request), int(IDYES));
    QCOMPARE(title, QStringLiteral("Hearthstead"));
    QCOMPARE(text, QStringLiteral("Delete this asset?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(defaultButton, QMessageBox::No);
    QCOMPARE(parent, &owner);

    // No default named: the first button is the default.
    WhenModalShows<QMessageBox>(this, [&](QMessageBox& box) {
        defaultButton = box.standardButton(box.defaultButton());
        box.button(QMessageBox::Cancel)->click();
    });
    QCOMPARE(prompt.Message(Request(MessageButtons::RetryCancel, 0)), int(IDCANCEL));
    QCOMPARE(defaultButton, QMessageBox::Retry);
}

void TestQtPrompt::closedMessageBoxAnswersItsWayOut()
{
    CQtPrompt prompt(true);
    WhenModalShows<QMessageBox>(this, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(prompt.Message(Request(MessageButtons::YesNoCancel, IDYES)), int(IDCANCEL));
    WhenModalShows<QMessageBox>(this, [](QMessageBox& box) { box.reject(); });
    QCOMPARE(prompt.Message(Request(MessageButtons::YesNo, IDYES)), int(IDNO));
}

void TestQtPrompt::fileDialogTakesTheRequest()
{
    CQtPrompt prompt(true);
    FileRequest request;
    request.save = true;
    request.title = QStringLiteral("Export Inventory Data");
    request.filter = QStringLiteral("CSV Files (*.csv)|*.csv|");
    request.defaultName = QStringLiteral("inventory.csv");
    request.defaultExtension = QStringLiteral("csv");
    request.promptOverwrite = true;
    QString title, suffix;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    bool confirmsOverwrite = false;
    const auto observe = [&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        suffix = dialog.defaultSuffix();
        filters = dialog.nameFilters();
        mode = dialog.acceptMode();
        fileMode = dialog.fileMode();
        confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.reject();
    };
    WhenModalShows<QFileDialog>(this, observe);
    QCOMPARE(prompt.ChooseFile(request), QString());
    QCOMPARE(title, QStringLiteral("Export Inventory Data"));
    QCOMPARE(mode, QFileDialog::AcceptSave);
    QCOMPARE(filters, QStringList{QStringLiteral("CSV Files (*.csv)")});
    QCOMPARE(suffix, QStringLiteral("csv"));
    QVERIFY(confirmsOverwrite);

    request.save = false;
    request.promptOverwrite = false;
    WhenModalShows<QFileDialog>(this, observe);
    QCOMPARE(prompt.ChooseFile(request), QString());
    QCOMPARE(mode, QFileDialog::AcceptOpen);
    QCOMPARE(fileMode, QFileDialog::ExistingFile);
    QVERIFY(!confirmsOverwrite);
}

void TestQtPrompt::withoutAScreenNothingWaits()
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

QTEST_MAIN(TestQtPrompt)
#include "tst_qtprompt.moc"
