// Memory under use: the year box typed into and confirmed 10 000 times, as a user
// stepping through years would.  Prints the resident memory after a warm-up and at
// the end; the difference should stay well under a megabyte.
#include "app/frmforma.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "resident.h"
#include "paint/fonts.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {
void confirmYears(ortelana::YearBox *box, int from, int count)
{
    for (int year = from; year < from + count; ++year) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::number(year));
        QTest::keyClick(box, Qt::Key_Return);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ortelana::registerFontSubstitutes();
    const auto window = ortelana::Main();
    ortelana::YearBox *box = window->yearBox();
    confirmYears(box, 1000, 500);   // every text and glyph cache warmed
    const long before = residentKiB();
    confirmYears(box, 1500, 10000);
    const long after = residentKiB();
    std::printf("10 000 confirmed years: %ld KiB before, %ld KiB after, %+ld KiB\n", before, after, after - before);
    return 0;
}
