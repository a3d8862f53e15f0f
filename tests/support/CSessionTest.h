#pragma once

#include "CTestSession.h"

#include <QObject>
#include <QtTest>

#include <memory>

// The base of a GUI or record test: every test function runs on its own CTestSession (fresh data
// folder, settings key, scripted prompt). Override SetUp to build the window under test and TearDown
// to drop it; a prompt nobody expected, or a scripted answer left unused, fails the test.
class CSessionTest : public QObject
{
    Q_OBJECT

protected:
    virtual void SetUp() {}
    virtual void TearDown() {}

    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;

private slots:
    void init();
    void cleanup();
};
