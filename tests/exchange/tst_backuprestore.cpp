// Backup and restore as a person does them, from File / "Backup & Restore..." of the real window:
// the round trip, the questions and their No, a backup that fails, and the files a restore refuses,
// each leaving the data file byte for byte as it was.

#include "CTestSession.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "exchange/CBackupRestoreDlg.h"
#include "exchange/CSafetyCopy.h"
#include "records/CHome.h"
#include "res/AppInfo.h"
#include "views/CHomeMgrView.h"

#include <QPushButton>
#include <QtTest>

#include <sqlite3.h>

#include <memory>

namespace {

const QString kFilter = QStringLiteral("Hearthstead Data Files (*.dat)|*.dat|All Files (*.*)|*.*|");
const QString kRestoreError = QStringLiteral("There was an error restoring that file. Please try again.");

long StoredHome(const QString& description)
{
    CHome home;
    home.SetDescription(description);
    return home.Save() ? home.GetId() : -1;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A copy of the delivered database changed by one statement.
bool AlteredCopy(const QString& path, const char* statement)
{
    QFile::remove(path);
    if (!QFile::copy(qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB"), path))
        return false;
    sqlite3* db = nullptr;
    const bool done = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, statement, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

} // namespace

class TestBackupRestore final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void backupThenRestoreBringsTheDataBack();
    void cancelAndNoChangeNothing_data();
    void cancelAndNoChangeNothing();
    void failedBackupClosesAndKeepsTheData();
    void restoreRefusesWhatIsNotADataFile_data();
    void restoreRefusesWhatIsNotADataFile();

private:
    // Scripts the dialog, opened from the menu, with that button pressed in it; the prompts the button
    // brings follow in the script.
    void ExpectPress(const QString& button, bool staysOpen = false);
    void RunCommand() { m_frame->OnCommand(ID_BACKUP); }
    QString FilePath(const char* name) const { return m_session->Dir().Path() + QLatin1String(name); }

    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestBackupRestore::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    m_prompt = &m_session->Prompt();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->CreateViews();
    m_frame->FillHomesList(0);
}

void TestBackupRestore::cleanup()
{
    m_frame.reset();
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestBackupRestore::ExpectPress(const QString& button, bool staysOpen)
{
    m_prompt
        ->ExpectModalOf<CBackupRestoreDlg>([this, button, staysOpen](CBackupRestoreDlg& dialog) {
            dialog.findChild<QPushButton*>(button)->click();
            if (dialog.isVisible() != staysOpen)
                m_prompt->AddProblem(QStringLiteral("the dialog's open state after %1").arg(button));
            if (staysOpen)
                m_prompt->PressCancel(dialog);
        })
        .Caption(QStringLiteral("Backup & Restore"))
        .Owner(m_frame.get());
}

void TestBackupRestore::backupThenRestoreBringsTheDataBack()
{
    const long kept = StoredHome(QStringLiteral("Lakeside Cottage"));
    const QString backup = FilePath("backup.dat");
    QVERIFY(Write(backup, "an older backup"));
    ExpectPress("backupButton");
    m_prompt->ExpectFile(backup)
        .Save(true)
        .Filter(kFilter)
        .DefaultName(QStringLiteral("Hearthstead Backup"))
        .DefaultExtension(QStringLiteral("dat"))
        .PromptOverwrite(true);
    m_prompt->ExpectMessage(IDOK)
        .Text(QStringLiteral("Your data was successfully backed up to \"%1\".").arg(backup))
        .Icon(MessageIcon::Information)
        .Caption(AppName());
    RunCommand();
    QCOMPARE(Bytes(backup), Bytes(m_session->Dir().DatabasePath()));

    StoredHome(QStringLiteral("Added After The Backup"));
    const QByteArray beforeRestore = Bytes(m_session->Dir().DatabasePath());
    m_frame->SelectHome(kept);
    ExpectPress("restoreButton");
    m_prompt->ExpectFile(backup).Save(false).DefaultName(QString()).Filter(kFilter);
    m_prompt->ExpectMessage(IDYES)
        .Text(QStringLiteral(
            "Would you like to proceed with the Restore? Your current data will be overwritten."))
        .Icon(MessageIcon::Question)
        .Buttons(MessageButtons::YesNo);
    m_prompt->ExpectMessage(IDOK)
        .Text(QStringLiteral("Your data was successfully restored."))
        .Icon(MessageIcon::Information);
    RunCommand();

    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
    QCOMPARE(m_frame->GetCurrentHomeId(), -1L);
    QCOMPARE(m_frame->GetHomesView()->GetList()->GetItemCount(), 1);
    m_frame->SelectHome(kept);
    QCOMPARE(m_frame->GetCurrentHome().GetDescription(), QStringLiteral("Lakeside Cottage"));
    const QStringList safety =
        CSafetyCopy(m_session->Dir().DatabasePath(), QStringLiteral("restore")).Existing();
    QCOMPARE(safety.size(), 1);
    QCOMPARE(Bytes(safety.first()), beforeRestore);
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
    const QByteArray before = Bytes(m_session->Dir().DatabasePath());
    const QString backup = FilePath("backup.dat");
    QVERIFY(QFile::copy(m_session->Dir().DatabasePath(), backup));
    ExpectPress(button, true);
    m_prompt->ExpectFile(chooses ? backup : QString());
    if (chooses)
        m_prompt->ExpectMessage(IDNO).Icon(MessageIcon::Question);
    RunCommand();
    QCOMPARE(Bytes(m_session->Dir().DatabasePath()), before);
    QVERIFY(CSafetyCopy(m_session->Dir().DatabasePath(), QStringLiteral("restore")).Existing().isEmpty());
}

void TestBackupRestore::failedBackupClosesAndKeepsTheData()
{
    const QByteArray before = Bytes(m_session->Dir().DatabasePath());
    const QString notAFolder = FilePath("notes.txt");
    QVERIFY(Write(notAFolder, "a file where a folder should be"));
    ExpectPress("backupButton");
    m_prompt->ExpectFile(notAFolder + QStringLiteral("/backup.dat"));
    m_prompt->ExpectMessage(IDOK)
        .Text(QStringLiteral("There was an error backing up to that file. Please try again."))
        .Icon(MessageIcon::Exclamation)
        .Caption(AppName());
    RunCommand();
    QCOMPARE(Bytes(m_session->Dir().DatabasePath()), before);
    QVERIFY(m_session->Dir().Database().IsOpen());
}

void TestBackupRestore::restoreRefusesWhatIsNotADataFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("random bytes") << "random.dat"
                                  << "It is not a database.";
    QTest::newRow("empty file") << "empty.dat"
                                << "The file is empty.";
    QTest::newRow("other tables") << "other.dat"
                                  << "It has no Homes table.";
    QTest::newRow("missing table") << "noloans.dat"
                                   << "It has no Loans table.";
    QTest::newRow("older layout") << "older.dat"
                                  << "Its Assets table has no SerialNumber column";
    QTest::newRow("the data file itself") << "HOMEDATA.DAT"
                                          << "is using now. Choose a backup copy";
}

void TestBackupRestore::restoreRefusesWhatIsNotADataFile()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QByteArray noise(8192, Qt::Uninitialized);
    for (char& byte : noise)
        byte = char(QRandomGenerator::global()->bounded(256));
    QVERIFY(Write(FilePath("random.dat"), noise));
    QVERIFY(Write(FilePath("empty.dat"), QByteArray()));
    QVERIFY(AlteredCopy(FilePath("noloans.dat"), "DROP TABLE Loans;"));
    QVERIFY(AlteredCopy(FilePath("older.dat"), "ALTER TABLE Assets DROP COLUMN SerialNumber;"));
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(FilePath("other.dat")).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "CREATE TABLE Recipes (Name TEXT);", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);

    const QByteArray before = Bytes(m_session->Dir().DatabasePath());
    ExpectPress("restoreButton", true);
    m_prompt->ExpectFile(m_session->Dir().Path() + file);
    m_prompt->ExpectMessage(IDOK).TextContains(reason).Icon(MessageIcon::Exclamation).Caption(AppName());
    RunCommand();
    QCOMPARE(Bytes(m_session->Dir().DatabasePath()), before);
    QVERIFY(m_session->Dir().Database().IsOpen());
    QVERIFY(CSafetyCopy(m_session->Dir().DatabasePath(), QStringLiteral("restore")).Existing().isEmpty());
}

QTEST_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"
