// Benchmarks: confirming and drawing a year (NewGod with DrawDays) for an ordinary
// and for the largest year, beside the plain year-by-year weekday sum that the
// constant-time computation replaces.  Run with `make bench`.
#include "app/frmforma.h"
#include "app/yearbox.h"
#include "calendar/yearmath.h"
#include "paint/fonts.h"

#include <QApplication>
#include <QTest>

using namespace ortelana;

namespace {
// The weekday of 1 January by summing the shift of every earlier year.
int literalYearStart(int year)
{
    int sum = 0;
    for (int i = 1; i < year; ++i)
        sum += isLeapYear(i) ? 2 : 1;
    return sum % 7;
}
} // namespace

class bench_NewGod : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void newGodAndDrawDays_data();
    void newGodAndDrawDays();
    void literalSum9999999();
    void constantTime9999999();
};

void bench_NewGod::newGodAndDrawDays_data()
{
    QTest::addColumn<QString>("year");
    QTest::newRow("2005") << "2005";
    QTest::newRow("9999999") << "9999999";
}

void bench_NewGod::newGodAndDrawDays()
{
    QFETCH(QString, year);
    frmForma window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.DrawSheet();
    window.yearBox()->setText(year);
    QBENCHMARK {
        window.NewGod();
    }
    QCOMPARE(window.computedYear(), year.toLongLong());
}

void bench_NewGod::literalSum9999999()
{
    volatile int year = 9999999;
    int result = 0;
    QBENCHMARK {
        result = literalYearStart(year);
    }
    QCOMPARE(result, yearStart(9999999));
}

void bench_NewGod::constantTime9999999()
{
    volatile int year = 9999999;
    int result = 0;
    QBENCHMARK {
        result = yearStart(year);
    }
    QCOMPARE(result, literalYearStart(9999999));
}

QTEST_MAIN(bench_NewGod)
#include "bench_newgod.moc"
