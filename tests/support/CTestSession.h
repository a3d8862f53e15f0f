#pragma once

#include "CScriptedPrompt.h"
#include "CTestDataDir.h"
#include "platform/CRegistryKey.h"

#include <QString>

// One test's own world: a fresh data folder with its session open, the program's settings key in
// the folder's own hive (installed as AppSettings()), and a scripted prompt that answers for the
// user. Made in a test's init(), finished and dropped in its cleanup().
class CTestSession final
{
public:
    CTestSession();
    ~CTestSession();
    Q_DISABLE_COPY_MOVE(CTestSession)

    // "" when the folder and its database are ready; otherwise what went wrong.
    QString Problem();
    CTestDataDir& Dir() { return m_dir; }
    CScriptedPrompt& Prompt() { return m_prompt; }
    CRegistryKey& Settings() { return m_settings; }
    // "" when every prompt shown was expected and every scripted answer was used.
    QString Finish() const { return m_prompt.Verify() ? QString() : m_prompt.Problems(); }

private:
    CTestDataDir m_dir;
    CScriptedPrompt m_prompt;
    CRegistryKey m_settings;
    CRegistryKey* m_previousSettings;
};
