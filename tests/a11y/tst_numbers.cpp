// Number fields in the user's locale: written with its decimal separator, read back with grouping
// accepted, and refused (never misread) with the field's name and an example.

#include "CTestSession.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

class TestNumbers final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readInTheUsersLocale_data();
    void readInTheUsersLocale();
    void writtenInTheUsersLocale_data();
    void writtenInTheUsersLocale();

private:
    std::unique_ptr<CTestSession> m_session;
};

void TestNumbers::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
}

void TestNumbers::cleanup()
{
    QLocale::setDefault(QLocale::c());
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestNumbers::readInTheUsersLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected"); // -1: refused
    QTest::newRow("de grouped") << "de_DE"
                                << "250.000,50" << 250000.5;
    QTest::newRow("de plain") << "de_DE"
                              << "250000,50" << 250000.5;
    QTest::newRow("de thousand") << "de_DE"
                                 << "1.000" << 1000.0;
    QTest::newRow("de point is no decimal") << "de_DE"
                                            << "1.5" << -1.0;
    QTest::newRow("fr") << "fr_FR"
                        << "6,5" << 6.5;
    QTest::newRow("en grouped") << "en_US"
                                << "250,000.50" << 250000.5;
    QTest::newRow("en plain") << "en_US"
                              << "3.875" << 3.875;
    QTest::newRow("empty is 0") << "de_DE"
                                << "" << 0.0;
    QTest::newRow("words") << "en_US"
                           << "a lot" << -1.0;
}

void TestNumbers::readInTheUsersLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(QLocale(locale));
    QWidget page;
    auto* edit = new QLineEdit(text, &page);
    BuddyLabel(QStringLiteral("Interest &Rate:"), edit, &page);
    float value = 42.0f;
    if (expected < 0) {
        const QString example = QLocale(locale).toString(6.5);
        m_session->Prompt().ExpectMessage(IDOK).Text(
            QStringLiteral("Interest Rate must be a number, for example ") + example);
    }
    QCOMPARE(ReadNumber(edit, value), expected >= 0);
    QCOMPARE(double(value), expected >= 0 ? expected : 42.0);
}

void TestNumbers::writtenInTheUsersLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("rate");
    QTest::newRow("C") << "C"
                       << "250000.50"
                       << "3.875";
    QTest::newRow("en_US") << "en_US"
                           << "250000.50"
                           << "3.875";
    QTest::newRow("de_DE") << "de_DE"
                           << "250000,50"
                           << "3,875";
}

void TestNumbers::writtenInTheUsersLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, money);
    QFETCH(QString, rate);
    QLocale::setDefault(QLocale(locale));
    QLineEdit edit;
    WriteNumber(&edit, 250000.5f);
    QCOMPARE(edit.text(), money);
    WritePlainNumber(&edit, 3.875f);
    QCOMPARE(edit.text(), rate);
}

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
