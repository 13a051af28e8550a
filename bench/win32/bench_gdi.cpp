// Benchmark of the Windows program's drawing: NewGod with the drawing of the days
// (the year computed, its scene made, the day layer drawn through the GDI canvas into
// the sheet's DIB) for an ordinary and for the largest year; bench_canvas does the
// same through the Qt canvas.  Cross-built by `make windows`, run under Wine:
//     scripts/wine-test-run build-windows/bench/win32/bench_gdi.exe
#include "calendar/scene.h"
#include "win32/gdicanvas.h"

#include <windows.h>

#include <cstdio>

using namespace ortelana;
using namespace ortelana::win32;

namespace {

double seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

template <typename Step>
double microsecondsPer(int rounds, Step &&step)
{
    for (int i = 0; i < rounds / 10; ++i)   // warm up
        step();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i)
        step();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return seconds(start, end) * 1e6 / rounds;
}

} // namespace

int main()
{
    const Font font = makeFont(L"MS Sans Serif", fontpx::Pt9_75, true);
    Surface sheet(629, 389, GetSysColor(COLOR_BTNFACE), font.get());
    GdiCanvas canvas(sheet);
    draw(sheetFixedLayer(), canvas);
    constexpr int Rounds = 2000;
    for (const long long year : {2005LL, 9999999LL}) {
        const double whole = microsecondsPer(Rounds, [&] {
            const Scene scene = sheetScene(computeYear(year), true);
            draw(scene.dayLayer, canvas);
        });
        const Scene scene = sheetScene(computeYear(year), true);
        const double drawing = microsecondsPer(Rounds, [&] { draw(scene.dayLayer, canvas); });
        std::printf("GDI %lld: NewGod with drawing %.1f us, of which drawing the days %.1f us (%d rounds)\n", year,
                    whole, drawing, Rounds);
    }
    return 0;
}
