#pragma once

#include "data/CADODataBase.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A private copy of the delivered database in a temporary folder with a session open on it, for
// the benchmarks to fill with their own rows. A copy or open that fails ends the benchmark.
class CBenchCopy final
{
public:
    CBenchCopy()
    {
        const QString path = m_dir.path() + QStringLiteral("/HOMEDATA.DAT");
        if (!QFile::copy(PristineDatabase(), path))
            Stop("cannot copy the delivered database");
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!m_session.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='") + path +
                            QStringLiteral("';")))
            Stop(m_session.GetLastError().toUtf8().constData());
    }
    Q_DISABLE_COPY_MOVE(CBenchCopy)

    CADODataBase& Session() { return m_session; }

private:
    static QString PristineDatabase()
    {
        const QString fromEnvironment = qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB");
        return fromEnvironment.isEmpty() ? QStringLiteral(HS_PRISTINE_DB) : fromEnvironment;
    }
    static void Stop(const char* why)
    {
        std::fprintf(stderr, "benchmark database: %s\n", why);
        std::exit(1);
    }

    QTemporaryDir m_dir;
    CADODataBase m_session;
};
