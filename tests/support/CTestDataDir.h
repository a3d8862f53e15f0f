#pragma once

#include "data/CADODataBase.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <vector>

// A temporary folder that stands in for the program's directory while it lives: it holds a fresh
// copy of the delivered HOMEDATA.DAT (from HEARTHSTEAD_PRISTINE_DB), HEARTHSTEAD_APPDIR names it
// HEARTHSTEAD_REGISTRY_DIR its sub-folder "registry" and XDG_STATE_HOME its sub-folder "state" (so
// the error log is written there), whose hives are loaded afresh. Database()
// opens a session on the copy and installs it as the application's one. All is put back on destruction.
//
//     CTestDataDir dir;
//     QVERIFY(dir.IsValid());
//     CADODataBase& db = dir.Database();
class CTestDataDir final
{
public:
    CTestDataDir();
    ~CTestDataDir();
    Q_DISABLE_COPY_MOVE(CTestDataDir)

    // True when the folder and the copy of the database were made.
    bool IsValid() const { return m_valid; }
    // The folder, with a trailing "/".
    QString Path() const;
    QString DatabasePath() const;
    QString RegistryPath() const;

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
