// Year arithmetic: leap years, 1 January, animals, the old-style drawing start and
// the month layout, against worked examples and against independent references.
#include "calendar/monthlayout.h"
#include "calendar/yearmath.h"
#include "calendar/yeartables.h"
#include "ui/qtext.h"

#include <QTest>

#include <chrono>

using namespace ortelana;

class tst_YearMath : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void februaryLength_data();
    void februaryLength();
    void drawingStart_data();
    void drawingStart();
    void yearStartMatchesRunningSumForEveryYear();
    void yearStartMatchesChrono();
    void everyYearStaysInBounds();
    void rabbitHasLatinO();
    void captionPrefix();
    void monthLayoutPlacesEveryDay();
};

void tst_YearMath::workedExamples_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("animal");
    QTest::addColumn<QString>("animalName");
    QTest::addColumn<bool>("victory");
    QTest::addColumn<bool>("oldStyle");

    QTest::newRow("1, Monday") << 1 << false << 0 << 1 << "ПЕТУХА" << false << true;
    QTest::newRow("4, leap") << 4 << true << 3 << 4 << "КРЫСЫ" << false << true;
    QTest::newRow("100, not leap") << 100 << false << 4 << 4 << "КРЫСЫ" << false << true;
    QTest::newRow("1899") << 1899 << false << 6 << 3 << "КАБАНА" << false << true;
    QTest::newRow("1900, not leap") << 1900 << false << 0 << 4 << "КРЫСЫ" << false << true;
    QTest::newRow("1917, last old-style year") << 1917 << false << 0 << 9 << "ЗМЕИ" << false << true;
    QTest::newRow("1918, box hidden") << 1918 << false << 1 << 10 << "ЛОШАДИ" << false << false;
    QTest::newRow("1944, no Victory Day") << 1944 << true << 5 << 12 << "ОБЕЗЬЯНЫ" << false << false;
    QTest::newRow("1945, Victory Day") << 1945 << false << 0 << 1 << "ПЕТУХА" << true << false;
    QTest::newRow("2000, leap by 400") << 2000 << true << 5 << 8 << "ДРАКОНА" << true << false;
    QTest::newRow("2005") << 2005 << false << 5 << 1 << "ПЕТУХА" << true << false;
    QTest::newRow("2016, monkey") << 2016 << true << 4 << 12 << "ОБЕЗЬЯНЫ" << true << false;
}

void tst_YearMath::workedExamples()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QFETCH(int, start);
    QFETCH(int, animal);
    QFETCH(QString, animalName);
    QFETCH(bool, victory);
    QFETCH(bool, oldStyle);

    QCOMPARE(isLeapYear(year), leap);
    QCOMPARE(februaryDays(year), leap ? 29 : 28);
    QCOMPARE(yearStart(year), start);
    QCOMPARE(animalIndex(year), animal);
    const std::string_view name = ZodiacName[std::size_t(animal)];
    QCOMPARE(toQString(name), animalName);
    QCOMPARE(isVictoryDayYear(year), victory);
    QCOMPARE(offersOldStyle(year), oldStyle);
}

void tst_YearMath::februaryLength_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("1900") << 1900 << 28;
    QTest::newRow("2100") << 2100 << 28;
    QTest::newRow("2000") << 2000 << 29;
    QTest::newRow("2016") << 2016 << 29;
    QTest::newRow("4") << 4 << 29;
    QTest::newRow("100") << 100 << 28;
    QTest::newRow("9999600") << 9999600 << 29;
    QTest::newRow("9999900") << 9999900 << 28;
}

void tst_YearMath::februaryLength()
{
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(februaryDays(year), days);
}

void tst_YearMath::drawingStart_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("start");
    QTest::newRow("1917 checked") << 1917 << true << 0;
    QTest::newRow("1917 unchecked") << 1917 << false << 6;
    QTest::newRow("1900 checked") << 1900 << true << 0;
    QTest::newRow("1900 unchecked") << 1900 << false << 6;
    QTest::newRow("1899 checked") << 1899 << true << 6;
    QTest::newRow("1899 unchecked") << 1899 << false << 5;
    QTest::newRow("2005 box hidden, unchecked ignored") << 2005 << false << 5;
}

void tst_YearMath::drawingStart()
{
    QFETCH(int, year);
    QFETCH(bool, checked);
    QFETCH(int, start);
    QCOMPARE(ortelana::drawingStart(yearStart(year), offersOldStyle(year), checked), start);
}

// The reference is the plain year-by-year sum: 2 for a leap year, 1 otherwise.
void tst_YearMath::yearStartMatchesRunningSumForEveryYear()
{
    long long sum = 0;   // weekday shift of years 1 .. y-1
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const int expected = int(sum % 7);
        if (yearStart(y) != expected)
            QFAIL(qPrintable(QStringLiteral("year %1: %2, running sum gives %3")
                                 .arg(y).arg(yearStart(y)).arg(expected)));
        sum += isLeapYear(y) ? 2 : 1;
    }
}

void tst_YearMath::yearStartMatchesChrono()
{
    using namespace std::chrono;
    for (int y = 1; y <= 32767; ++y) {
        const weekday first{sys_days{year{y} / January / 1}};
        const int expected = int(first.iso_encoding()) - 1;
        if (yearStart(y) != expected)
            QFAIL(qPrintable(QStringLiteral("year %1").arg(y)));
    }
}

void tst_YearMath::everyYearStaysInBounds()
{
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const int start = yearStart(y);
        const int animal = animalIndex(y);
        if (start < 0 || start > 6 || animal < 1 || animal > 12)
            QFAIL(qPrintable(QStringLiteral("year %1 out of bounds").arg(y)));
        int first = ortelana::drawingStart(start, offersOldStyle(y), false);
        for (int month = 1; month <= 12; ++month) {
            const int days = month == 2 ? februaryDays(y) : (month == 4 || month == 6 || month == 9 || month == 11) ? 30 : 31;
            const MonthLayout layout = layOutMonth(first, days, month == 5);
            if (layout.columns > 6 || first < 0 || first > 6)
                QFAIL(qPrintable(QStringLiteral("year %1 month %2").arg(y).arg(month)));
            first = layout.nextStart;
        }
    }
}

void tst_YearMath::rabbitHasLatinO()
{
    const std::string_view rabbit = ZodiacName[7];
    const QString text = toQString(rabbit);
    QCOMPARE(text.size(), 7);
    QCOMPARE(text.at(2), QChar(u'O'));
    QCOMPARE(text.at(0), QChar(u'К'));
    QCOMPARE(text.at(3), QChar(u'Л'));
}

void tst_YearMath::captionPrefix()
{
    const QString prefix = toQString(CaptionPrefix);
    QCOMPARE(prefix.size(), 12);
    QCOMPARE(prefix, QStringLiteral(" н. э.  ГОД "));
}

void tst_YearMath::monthLayoutPlacesEveryDay()
{
    // January 2006: the 1st alone in column 1, red, on Sunday; 30 and 31 in column 6.
    const MonthLayout jan = layOutMonth(6, 31, false);
    QCOMPARE(jan.columns, 6);
    QCOMPARE(jan.places[0].column, 1);
    QCOMPARE(jan.places[0].row, 7);
    QVERIFY(jan.places[0].red);
    QCOMPARE(jan.places[1].column, 2);
    QCOMPARE(jan.places[1].row, 1);
    QCOMPARE(jan.places[29].column, 6);
    QCOMPARE(jan.places[30].column, 6);
    QCOMPARE(jan.nextStart, 2);

    // May with 9 May marked on a Monday, and unmarked.
    QVERIFY(layOutMonth(6, 31, true).places[8].red);
    QVERIFY(!layOutMonth(0, 31, false).places[8].red);
    QVERIFY(!layOutMonth(0, 31, true).places[9].red);
}

QTEST_APPLESS_MAIN(tst_YearMath)
#include "tst_yearmath.moc"
