// Benchmark of the Linux program's drawing, beside bench_gdi of the Windows program:
// NewGod with the drawing of the days (the year computed, its scene made, the day
// layer drawn through the Qt canvas into a 629 × 389 image) for an ordinary and for
// the largest year.  Run with
//     QT_QPA_PLATFORM=offscreen build/bench/bench_canvas
#include "calendar/scene.h"
#include "ui/fonts.h"
#include "ui/paintercanvas.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace ortelana;

namespace {
template <typename Step>
double microsecondsPer(int rounds, Step &&step)
{
    for (int i = 0; i < rounds / 10; ++i)   // warm up
        step();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        step();
    return double(clock.nsecsElapsed()) / 1000.0 / rounds;
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    registerFontSubstitutes();
    QImage sheet(629, 389, QImage::Format_RGB32);
    const QColor face(0xF0, 0xF0, 0xF0);
    sheet.fill(face);
    QPainter painter(&sheet);
    PainterCanvas canvas(painter, sansSerifFont(fontpx::Pt9_75, true), face);
    draw(sheetFixedLayer(), canvas);
    constexpr int Rounds = 2000;
    for (const long long year : {2005LL, 9999999LL}) {
        const double whole = microsecondsPer(Rounds, [&] {
            const Scene scene = sheetScene(computeYear(year), true);
            draw(scene.dayLayer, canvas);
        });
        const Scene scene = sheetScene(computeYear(year), true);
        const double drawing = microsecondsPer(Rounds, [&] { draw(scene.dayLayer, canvas); });
        std::printf("Qt %lld: NewGod with drawing %.1f us, of which drawing the days %.1f us (%d rounds)\n", year,
                    whole, drawing, Rounds);
    }
    return 0;
}
