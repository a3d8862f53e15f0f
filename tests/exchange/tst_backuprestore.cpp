// Backup and restore as a person does them, from File / "Backup & Restore..." of the real window:
// the round trip, Cancel and No, a backup that fails, and the files refused, each refusal leaving the
// data file byte for byte as it was.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "SqliteTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "exchange/CBackupRestoreDlg.h"
#include "exchange/CSafetyCopy.h"
#include "res/AppInfo.h"
#include "views/CHomeMgrView.h"

#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// An SQLite file after one statement, made from the delivered database or from nothing.
bool Sqlite(const QString& path, const char* statement, bool fromDelivered = true)
{
    if (fromDelivered && !QFile::copy(qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB"), path)) {
        return false;
    }
    return SqliteExec(path, QString::fromUtf8(statement));
}

} // namespace

class TestBackupRestore final : public CSessionTest
{
    Q_OBJECT

private slots:
    void backupThenRestoreBringsTheDataBack();
    void cancelAndNoChangeNothing_data();
    void cancelAndNoChangeNothing();
    void failedBackupClosesAndKeepsTheData();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();

private:
    void SetUp() override;
    void TearDown() override { m_frame.reset(); }
    // Scripts the dialog, opened from the menu, and that button pressed in it; the prompts the button
    // brings follow in the script, then RunCommand opens it.
    void ExpectPress(const QString& button, bool staysOpen = false);
    void RunCommand() { m_frame->OnCommand(ID_BACKUP); }
    // A message titled with the program's name, with that icon and its text holding that part.
    CScriptedPrompt::Step& ExpectMessage(int answer, MessageIcon icon, const QString& textPart)
    {
        return m_prompt->ExpectMessage(answer).Icon(icon).Caption(AppName()).TextContains(textPart);
    }
    QString FilePath(const QString& name) const { return m_session->Dir().Path() + name; }
    QByteArray DataBytes() const { return ReadBytes(m_session->Dir().DatabasePath()); }
    int SafetyCopies() const
    {
        return int(CSafetyCopy(m_session->Dir().DatabasePath(), QStringLiteral("restore")).Existing().size());
    }

    std::unique_ptr<CMainFrame> m_frame;
};

void TestBackupRestore::SetUp()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->CreateViews();
    m_frame->FillHomesList(0);
}

void TestBackupRestore::ExpectPress(const QString& button, bool staysOpen)
{
    m_prompt
        ->ExpectModalOf<CBackupRestoreDlg>([this, button, staysOpen](CBackupRestoreDlg& dialog) {
            dialog.findChild<QPushButton*>(button)->click();
            if (dialog.isVisible() != staysOpen) {
                m_prompt->AddProblem(QStringLiteral("the dialog's open state after ") + button);
            }
            if (staysOpen) {
                m_prompt->PressCancel(dialog);
            }
        })
        .Caption(QStringLiteral("Backup & Restore"))
        .Owner(m_frame.get());
}

void TestBackupRestore::backupThenRestoreBringsTheDataBack()
{
    const long kept = StoredHome(QStringLiteral("Lakeside Cottage"));
    const QString backup = FilePath(QStringLiteral("backup.dat"));
    QVERIFY(WriteBytes(backup, "an older backup"));
    ExpectPress(QStringLiteral("backupButton"));
    m_prompt->ExpectFile(backup)
        .Save(true)
        .DefaultName(QStringLiteral("Hearthstead Backup"))
        .DefaultExtension(QStringLiteral("dat"))
        .PromptOverwrite(true)
        .Filter(QStringLiteral("Hearthstead Data Files (*.dat)|*.dat|All Files (*.*)|*.*|"));
    ExpectMessage(IDYES, MessageIcon::Exclamation, QStringLiteral("backup.dat already exists."));
    ExpectMessage(IDOK, MessageIcon::Information,
                  QStringLiteral("Your data was successfully backed up to \"%1\".").arg(backup));
    RunCommand();
    QCOMPARE(ReadBytes(backup), DataBytes());

    QVERIFY(StoredHome(QStringLiteral("Added After The Backup")) > 0);
    const QByteArray beforeRestore = DataBytes();
    m_frame->SelectHome(kept);
    ExpectPress(QStringLiteral("restoreButton"));
    m_prompt->ExpectFile(backup).Save(false).DefaultName(QString());
    ExpectMessage(IDYES, MessageIcon::Question,
                  QStringLiteral("Would you like to proceed with the Restore? "
                                 "Your current data will be overwritten."))
        .Buttons(MessageButtons::YesNo);
    ExpectMessage(IDOK, MessageIcon::Information, QStringLiteral("Your data was successfully restored."));
    RunCommand();

    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
    QCOMPARE(m_frame->GetCurrentHomeId(), -1L);
    QCOMPARE(m_frame->GetHomesView()->GetList()->GetItemCount(), 1);
    m_frame->SelectHome(kept);
    QCOMPARE(m_frame->GetCurrentHome().GetDescription(), QStringLiteral("Lakeside Cottage"));
    QCOMPARE(SafetyCopies(), 1);
    QCOMPARE(
        ReadBytes(CSafetyCopy(m_session->Dir().DatabasePath(), QStringLiteral("restore")).Existing().first()),
        beforeRestore);
}

void TestBackupRestore::cancelAndNoChangeNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("chooses");
    QTest::newRow("backup chooser cancelled") << QStringLiteral("backupButton") << false;
    QTest::newRow("restore chooser cancelled") << QStringLiteral("restoreButton") << false;
    QTest::newRow("No to the restore question") << QStringLiteral("restoreButton") << true;
}

void TestBackupRestore::cancelAndNoChangeNothing()
{
    QFETCH(QString, button);
    QFETCH(bool, chooses);
    const QByteArray before = DataBytes();
    const QString backup = FilePath(QStringLiteral("backup.dat"));
    QVERIFY(WriteBytes(backup, before));
    ExpectPress(button, true);
    m_prompt->ExpectFile(chooses ? backup : QString());
    if (chooses) {
        ExpectMessage(IDNO, MessageIcon::Question, QStringLiteral("proceed with the Restore"));
    }
    RunCommand();
    QCOMPARE(DataBytes(), before);
    QCOMPARE(SafetyCopies(), 0);
}

void TestBackupRestore::failedBackupClosesAndKeepsTheData()
{
    const QByteArray before = DataBytes();
    const QString notAFolder = FilePath(QStringLiteral("notes.txt"));
    QVERIFY(WriteBytes(notAFolder, "a file where a folder should be"));
    ExpectPress(QStringLiteral("backupButton"));
    m_prompt->ExpectFile(notAFolder + QStringLiteral("/backup.dat"));
    ExpectMessage(IDOK, MessageIcon::Exclamation,
                  QStringLiteral("There was an error backing up to that file. Please try again."));
    RunCommand();
    QCOMPARE(DataBytes(), before);
    QVERIFY(m_session->Dir().Database().IsOpen());
}

void TestBackupRestore::refusedFilesChangeNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    const QString restore = QStringLiteral("restoreButton");
    QTest::newRow("random bytes") << restore << QStringLiteral("random.dat")
                                  << QStringLiteral("It is not a database.");
    QTest::newRow("empty file") << restore << QStringLiteral("empty.dat")
                                << QStringLiteral("The file is empty.");
    QTest::newRow("other tables") << restore << QStringLiteral("other.dat")
                                  << QStringLiteral("It has no Homes table.");
    QTest::newRow("missing table") << restore << QStringLiteral("noloans.dat")
                                   << QStringLiteral("It has no Loans table.");
    QTest::newRow("older layout") << restore << QStringLiteral("older.dat")
                                  << QStringLiteral("Its Assets table has no SerialNumber column");
    QTest::newRow("restore the data file")
        << restore << QStringLiteral("HOMEDATA.DAT") << QStringLiteral("Choose a backup copy to restore.");
    QTest::newRow("back up onto the data file")
        << QStringLiteral("backupButton") << QStringLiteral("HOMEDATA.DAT")
        << QStringLiteral("Choose another name or folder");
}

void TestBackupRestore::refusedFilesChangeNothing()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QVERIFY(
        WriteBytes(FilePath(QStringLiteral("random.dat")), QByteArray::fromHex("5a17c3e0").repeated(2048)));
    QVERIFY(WriteBytes(FilePath(QStringLiteral("empty.dat")), QByteArray()));
    QVERIFY(Sqlite(FilePath(QStringLiteral("other.dat")), "CREATE TABLE Recipes (Name TEXT);", false));
    QVERIFY(Sqlite(FilePath(QStringLiteral("noloans.dat")), "DROP TABLE Loans;"));
    QVERIFY(Sqlite(FilePath(QStringLiteral("older.dat")), "ALTER TABLE Assets DROP COLUMN SerialNumber;"));

    const QByteArray before = DataBytes();
    ExpectPress(button, true);
    m_prompt->ExpectFile(FilePath(file));
    if (button == QLatin1String("backupButton")) {
        ExpectMessage(IDYES, MessageIcon::Exclamation, QStringLiteral("Do you want to replace it?"));
    }
    ExpectMessage(IDOK, MessageIcon::Exclamation, reason);
    RunCommand();
    QCOMPARE(DataBytes(), before);
    QVERIFY(m_session->Dir().Database().IsOpen());
    QCOMPARE(SafetyCopies(), 0);
}

QTEST_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"
