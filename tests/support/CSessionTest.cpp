#include "CSessionTest.h"

#include <QTest>

void CSessionTest::init()
{
    m_session = std::make_unique<CTestSession>();
    m_prompt = &m_session->Prompt();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    SetUp();
}

void CSessionTest::cleanup()
{
    TearDown();
    const QString problems = m_session->Finish();
    m_session.reset();
    m_prompt = nullptr;
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}
