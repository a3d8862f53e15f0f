#pragma once

#include "data/CADODataBase.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <vector>

// A temporary folder that stands in for the program's directory while it lives: a fresh copy of the
// delivered HOMEDATA.DAT (from HEARTHSTEAD_PRISTINE_DB), its hives in "registry" and the error log in
// "state". All is put back on destruction.
class CTestDataDir final
{
public:
    CTestDataDir();
    ~CTestDataDir();
    Q_DISABLE_COPY_MOVE(CTestDataDir)

    // True when the folder and the copy of the database were made.
    bool IsValid() const { return m_valid; }
    // The folder, with a trailing "/".
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString DatabasePath() const { return Path() + QStringLiteral("HOMEDATA.DAT"); }
    QString RegistryPath() const { return Path() + QStringLiteral("registry"); }

    // The session on the copy, opened on first use (see its GetLastError when it is not open) and
    // installed with SetAppDatabase until this folder goes.
    CADODataBase& Database();

private:
    struct SavedVariable
    {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    void SetVariable(const char* name, const QString& value);

    QTemporaryDir m_dir;
    bool m_valid = false;
    std::vector<SavedVariable> m_saved;
    CADODataBase m_database;
    bool m_installed = false;
    CADODataBase* m_previousDatabase = nullptr;
};
