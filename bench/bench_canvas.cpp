// Benchmark of the Linux program's drawing, beside bench_gdi of the Windows program:
// NewGod with the drawing of the days (the year computed, its scene made, the day
// layer drawn through the Qt canvas into a 629 × 389 image) for an ordinary and for
// the largest year.  Run with
//     QT_QPA_PLATFORM=offscreen build/bench/bench_canvas
#include "drawtiming.h"
#include "paint/fonts.h"
#include "paint/paintercanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using namespace ortelana;

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
    bench::timeNewGod("Qt", canvas, [] {});   // the painter draws into the image at once
    return 0;
}
