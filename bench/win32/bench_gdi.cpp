// Benchmark of the Windows program's drawing: NewGod with the drawing of the days
// (the year computed, its scene made, the day layer drawn through the GDI canvas into
// the sheet's DIB) for an ordinary and for the largest year; bench_canvas does the
// same through the Qt canvas.  Cross-built by `make windows`, run under Wine:
//     scripts/wine-test-run build-windows/bench/win32/bench_gdi.exe
#include "drawtiming.h"
#include "win32/gdicanvas.h"

#include <windows.h>

using namespace ortelana;
using namespace ortelana::win32;

int main()
{
    const Font font = makeFont(L"MS Sans Serif", fontpx::Pt9_75, true);
    Surface sheet(629, 389, GetSysColor(COLOR_BTNFACE), font.get());
    GdiCanvas canvas(sheet);
    draw(sheetFixedLayer(), canvas);
    bench::timeNewGod("GDI", canvas, [] { GdiFlush(); });   // GDI may batch the calls it is given
    return 0;
}
