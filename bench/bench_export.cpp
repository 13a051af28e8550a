// Benchmarks: exporting the year sheet as PNG and as PDF, beside drawing alone.
// Run with `make bench`.
#include "output/sheetexport.h"
#include "sheet/sheetpage.h"
#include "paint/fonts.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace ortelana;

class bench_Export : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void drawOnly();
    void exportPng();
    void exportPdf();

private:
    QTemporaryDir dir;
};

void bench_Export::drawOnly()
{
    QImage image;
    QBENCHMARK {
        image = sheetImage({2005, true});
    }
    QCOMPARE(image.width(), 2 * 629);
}

void bench_Export::exportPng()
{
    const QString file = dir.filePath(QStringLiteral("sheet.png"));
    QBENCHMARK {
        QCOMPARE(exportSheet(file, {2005, true}).exitCode, 0);
    }
}

void bench_Export::exportPdf()
{
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    QBENCHMARK {
        QCOMPARE(exportSheet(file, {2005, true}).exitCode, 0);
    }
}

QTEST_MAIN(bench_Export)
#include "bench_export.moc"
