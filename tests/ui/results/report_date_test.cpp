// The date in the report's name as the user's regional settings write it: Qt reads the short-date
// format from the system, which on Windows is the Windows user format (four-digit years in the United
// States) and on Debian the locale's data (two-digit years there). Run once per locale (CMakeLists.txt).
#include "results/report_file.h"

#include <QDate>
#include <QLocale>
#include <QTest>

class ReportDateTest final : public QObject
{
    Q_OBJECT

private slots:
    void shortDateOfTheUserWithHyphens();
};

void ReportDateTest::shortDateOfTheUserWithHyphens()
{
    const QByteArray region = qgetenv("KELVANE_DATE_REGION");
    const QString text = kelvane::ReportDateText(QLocale::system(), QDate(2026, 12, 8));
    if (region == "ru") {
        QCOMPARE(text, QStringLiteral("08-12-2026"));
    } else if (region == "us") {
#ifdef Q_OS_WIN
        QCOMPARE(text, QStringLiteral("12-8-2026"));
#else
        QCOMPARE(text, QStringLiteral("12-8-26"));
#endif
    } else {
        QFAIL("KELVANE_DATE_REGION names no region");
    }
}

QTEST_GUILESS_MAIN(ReportDateTest)
#include "report_date_test.moc"
