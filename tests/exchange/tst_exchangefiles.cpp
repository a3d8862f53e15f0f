// The file work under backup and restore: a copy broken off half-way, the safety copies and their
// limit, and a replaced data file that does not open being rolled back.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "exchange/CSafetyCopy.h"
#include "exchange/DataFileReplace.h"
#include "exchange/FileCopy.h"

#include <QtTest>

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

class TestExchangeFiles final : public QObject
{
    Q_OBJECT

private slots:
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
        CTestDataDir dir;
        QVERIFY(dir.Database().IsOpen());
        const QByteArray before = ReadBytes(dir.DatabasePath());
        const QString junk = dir.Path() + "junk.dat";
        QVERIFY(WriteBytes(junk, QByteArray(4096, 'j')));

        QString error;
        QVERIFY(!ReplaceDataFile(dir.Database(), junk, "restore", &error));
        QVERIFY(error.contains("does not open"));
        QVERIFY(dir.Database().IsOpen());
        QCOMPARE(ReadBytes(dir.DatabasePath()), before);
    }

    // With the limit reached, restoring the oldest copy must read it before the limit removes it.
    void oldestSafetyCopyCanBeRestored()
    {
        CTestDataDir dir;
        QVERIFY(dir.Database().IsOpen());
        const QByteArray oldest = ReadBytes(dir.DatabasePath());
        for (int round = 1; round <= CSafetyCopy::kKeep; ++round) {
            QVERIFY(CSafetyCopy(dir.DatabasePath(), "restore").Make());
            QVERIFY(dir.Database().Execute(QString("INSERT INTO Homes (HomeId) VALUES (%1);").arg(round)));
        }
        const QString source = CSafetyCopy(dir.DatabasePath(), "restore").Existing().first();
        QVERIFY(ReplaceDataFile(dir.Database(), source, "restore"));
        QCOMPARE(ReadBytes(dir.DatabasePath()), oldest);
    }
};

QTEST_GUILESS_MAIN(TestExchangeFiles)
#include "tst_exchangefiles.moc"
