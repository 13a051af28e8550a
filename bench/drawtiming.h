// The measurement both drawing benchmarks make, each through its own canvas: NewGod
// with the drawing of the days (the year computed, its scene made, the day layer
// drawn) for an ordinary and for the largest year, and the drawing alone.
#pragma once

#include "calendar/scene.h"

#include <chrono>
#include <cstdio>

namespace ortelana::bench {

// Returns: the mean time of `step` in microseconds over `rounds` rounds, after a tenth
// as many to warm up; `finish` runs before the clock stops (work the canvas queues).
template <typename Step, typename Finish>
double microsecondsPer(int rounds, Step &&step, Finish &&finish)
{
    for (int i = 0; i < rounds / 10; ++i)
        step();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        step();
    finish();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / rounds;
}

// Prints one line a year, led by `canvasName`.
template <typename Finish>
void timeNewGod(const char *canvasName, Canvas &canvas, Finish &&finish)
{
    constexpr int Rounds = 2000;
    for (const long long year : {2005LL, 9999999LL}) {
        const double whole = microsecondsPer(
            Rounds,
            [&] {
                const Scene scene = sheetScene(computeYear(year), true);
                draw(scene.dayLayer, canvas);
            },
            finish);
        const Scene scene = sheetScene(computeYear(year), true);
        const double drawing = microsecondsPer(Rounds, [&] { draw(scene.dayLayer, canvas); }, finish);
        std::printf("%s %lld: NewGod with drawing %.1f us, of which drawing the days %.1f us (%d rounds)\n", canvasName,
                    year, whole, drawing, Rounds);
    }
}

} // namespace ortelana::bench
