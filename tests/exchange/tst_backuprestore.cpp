// Backup and restore as a person does them, from File / "Backup & Restore..." of the real window: the
// round trip, Cancel and No, a backup that fails, and the files refused, each refusal leaving the data
// file byte for byte as it was. Beneath them, the file work: a copy broken off half-way, the safety
// copies and their limit, and a replaced data file that does not open being rolled back.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "SqliteTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "exchange/CBackupRestoreDlg.h"
#include "exchange/CSafetyCopy.h"
#include "exchange/DataFileReplace.h"
#include "exchange/FileCopy.h"
#include "res/AppInfo.h"
#include "views/CHomeMgrView.h"

#include <QPushButton>

namespace {

// A source whose reading breaks after its first bytes, as a pulled disk would.
class CBreakingSource final : public QIODevice
{
public:
    CBreakingSource() { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        std::fill_n(data, size, 'x');
        return std::exchange(m_served, true) ? -1 : size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool m_served = false;
};

} // namespace

class TestBackupRestore final : public CSessionTest
{
    Q_OBJECT

private slots:
    void backupThenRestoreBringsTheDataBack()
    {
        const long kept = StoredHome("Lakeside Cottage");
        const QString backup = FilePath("backup.dat");
        QVERIFY(WriteBytes(backup, "an older backup"));
        ExpectPress("backupButton");
        m_prompt->ExpectFile(backup)
            .Save(true)
            .DefaultName("Hearthstead Backup")
            .DefaultExtension("dat")
            .PromptOverwrite(true)
            .Filter("Hearthstead Data Files (*.dat)|*.dat|All Files (*.*)|*.*|");
        ExpectMessage(IDYES, MessageIcon::Exclamation, "backup.dat already exists.");
        ExpectMessage(IDOK, MessageIcon::Information,
                      QString("Your data was successfully backed up to \"%1\".").arg(backup));
        RunCommand();
        QCOMPARE(ReadBytes(backup), DataBytes());

        QVERIFY(StoredHome("Added After The Backup") > 0);
        const QByteArray beforeRestore = DataBytes();
        m_frame->SelectHome(kept);
        ExpectPress("restoreButton");
        m_prompt->ExpectFile(backup).Save(false).DefaultName(QString());
        ExpectMessage(IDYES, MessageIcon::Question,
                      "Would you like to proceed with the Restore? "
                      "Your current data will be overwritten.")
            .Buttons(MessageButtons::YesNo);
        ExpectMessage(IDOK, MessageIcon::Information, "Your data was successfully restored.");
        RunCommand();

        QCOMPARE(m_frame->GetHomesView()->GetList()->GetItemCount(), 1);
        m_frame->SelectHome(kept);
        QCOMPARE(m_frame->GetCurrentHome().GetDescription(), "Lakeside Cottage");
        QCOMPARE(SafetyCopies(), 1);
        QCOMPARE(ReadBytes(CSafetyCopy(m_session->Dir().DatabasePath(), "restore").Existing().first()),
                 beforeRestore);
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file"); // "" cancels the chooser
        QTest::addColumn<int>("answer");   // IDNO to the restore question, IDOK to a warning
        QTest::addColumn<QString>("text"); // a part of the message; "" none
        const QString backup = "backupButton", restore = "restoreButton";
        QTest::newRow("backup chooser cancelled") << backup << QString() << 0 << QString();
        QTest::newRow("restore chooser cancelled") << restore << QString() << 0 << QString();
        QTest::newRow("No to the restore question")
            << restore << "backup.dat" << int(IDNO) << "proceed with the Restore";
        QTest::newRow("random bytes") << restore << "random.dat" << int(IDOK) << "It is not a database.";
        QTest::newRow("empty file") << restore << "empty.dat" << int(IDOK) << "The file is empty.";
        QTest::newRow("other tables") << restore << "other.dat" << int(IDOK) << "It has no Homes table.";
        QTest::newRow("missing table") << restore << "noloans.dat" << int(IDOK) << "It has no Loans table.";
        QTest::newRow("older layout")
            << restore << "older.dat" << int(IDOK) << "Its Assets table has no SerialNumber column";
        QTest::newRow("restore the data file")
            << restore << "HOMEDATA.DAT" << int(IDOK) << "Choose a backup copy to restore.";
        QTest::newRow("back up onto the data file")
            << backup << "HOMEDATA.DAT" << int(IDOK) << "Choose another name or folder";
        // A failed backup closes the dialog.
        QTest::newRow("back up into a file")
            << backup << "notes.txt/backup.dat" << int(IDOK)
            << "There was an error backing up to that file. Please try again.";
    }

    void refusedFilesChangeNothing()
    {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(int, answer);
        QFETCH(QString, text);
        const QByteArray before = DataBytes();
        QVERIFY(WriteBytes(FilePath("backup.dat"), before) && WriteBytes(FilePath("noloans.dat"), before) &&
                WriteBytes(FilePath("older.dat"), before));
        QVERIFY(WriteBytes(FilePath("notes.txt"), "a file where a folder should be"));
        QVERIFY(WriteBytes(FilePath("random.dat"), QByteArray::fromHex("5a17c3e0").repeated(2048)));
        QVERIFY(WriteBytes(FilePath("empty.dat"), QByteArray()));
        QVERIFY(SqliteExec(FilePath("other.dat"), "CREATE TABLE Recipes (Name TEXT);"));
        QVERIFY(SqliteExec(FilePath("noloans.dat"), "DROP TABLE Loans;"));
        QVERIFY(SqliteExec(FilePath("older.dat"), "ALTER TABLE Assets DROP COLUMN SerialNumber;"));

        ExpectPress(button, !file.startsWith("notes.txt"));
        m_prompt->ExpectFile(file.isEmpty() ? QString() : FilePath(file));
        if (file == "HOMEDATA.DAT" && button == "backupButton") {
            ExpectMessage(IDYES, MessageIcon::Exclamation, "Do you want to replace it?");
        }
        if (answer != 0) {
            ExpectMessage(answer, answer == IDNO ? MessageIcon::Question : MessageIcon::Exclamation, text);
        }
        RunCommand();
        QCOMPARE(DataBytes(), before);
        QVERIFY(m_session->Dir().Database().IsOpen());
        QCOMPARE(SafetyCopies(), 0);
    }

    void brokenCopyLeavesTheTarget()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("HOMEDATA.DAT");
        QVERIFY(WriteBytes(target, "the data they had"));
        CBreakingSource source;
        QVERIFY(!CopyFileAtomically(source, target));
        QCOMPARE(ReadBytes(target), QByteArray("the data they had"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"HOMEDATA.DAT"});
    }

    void safetyCopiesKeepTheNewestFive()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath("HOMEDATA.DAT");
        CSafetyCopy safety(data, "restore");
        for (int round = 1; round <= 7; ++round) {
            QVERIFY(WriteBytes(data, QByteArray::number(round)));
            safety = CSafetyCopy(data, "restore");
            QVERIFY2(safety.Make(), qPrintable(safety.GetLastError()));
            safety.RemoveOldest();
        }
        const QStringList kept = safety.Existing();
        QCOMPARE(kept.size(), CSafetyCopy::kKeep);
        QCOMPARE(ReadBytes(kept.first()), QByteArray("3"));
        QCOMPARE(kept.last(), safety.GetPath());
        QVERIFY(QFileInfo(kept.last()).fileName().startsWith("HOMEDATA.before-restore-"));
    }

    void replacedFileThatDoesNotOpenIsRolledBack()
    {
        const QByteArray before = DataBytes();
        const QString junk = FilePath("junk.dat");
        QVERIFY(WriteBytes(junk, QByteArray(4096, 'j')));
        QString error;
        QVERIFY(!ReplaceDataFile(m_session->Dir().Database(), junk, "restore", &error));
        QVERIFY(error.contains("does not open"));
        QVERIFY(AppDatabase()->IsOpen());
        QCOMPARE(DataBytes(), before);
    }

    // With the limit reached, restoring the oldest copy must read it before the limit removes it.
    void oldestSafetyCopyCanBeRestored()
    {
        const QByteArray oldest = DataBytes();
        const QString path = m_session->Dir().DatabasePath();
        for (int round = 1; round <= CSafetyCopy::kKeep; ++round) {
            QVERIFY(CSafetyCopy(path, "restore").Make());
            QVERIFY(AppDatabase()->Execute(QString("INSERT INTO Homes (HomeId) VALUES (%1);").arg(round)));
        }
        QVERIFY(ReplaceDataFile(m_session->Dir().Database(), CSafetyCopy(path, "restore").Existing().first(),
                                "restore"));
        QCOMPARE(DataBytes(), oldest);
    }

private:
    void SetUp() override
    {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        m_frame->CreateViews();
        m_frame->FillHomesList(0);
    }

    void TearDown() override { m_frame.reset(); }

    // Scripts the dialog, opened from the menu, and that button pressed in it; the prompts the button
    // brings follow in the script, then RunCommand opens it.
    void ExpectPress(const QString& button, bool staysOpen = false)
    {
        m_prompt
            ->ExpectModalOf<CBackupRestoreDlg>([this, button, staysOpen](CBackupRestoreDlg& dialog) {
                dialog.findChild<QPushButton*>(button)->click();
                if (dialog.isVisible() != staysOpen) {
                    m_prompt->AddProblem("the dialog's open state after " + button);
                }
                if (staysOpen) {
                    m_prompt->PressCancel(dialog);
                }
            })
            .Caption("Backup & Restore")
            .Owner(m_frame.get());
    }

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
        return int(CSafetyCopy(m_session->Dir().DatabasePath(), "restore").Existing().size());
    }

    std::unique_ptr<CMainFrame> m_frame;
};

QTEST_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"
