// The line graph's drawing costs, measured in one run and printed as ratios:
//  - a full render of the panel with 16 graphs of 3,600 points (one-hour runs) against one
//    Polyline per graph with the same pens into the same bitmap (goal: at most 1.5 times);
//  - one point added at the end of a graph against a full render (goal: at most 1/20).
// Run: tools/with-display.sh tools/wine/run-in-prefix.sh build/win/bin/tarvik_win32_perf.exe
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "charts/graph_colors.h"
#include "charts/graph_range.h"
#include "charts/panel_flags.h"
#include "charts/win32/graph_wnd.h"

namespace tarvik {
namespace {

constexpr int kGraphs = 16;
constexpr int kPoints = 3600;
constexpr int kRounds = 15;

double Seconds() {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median of kRounds runs of `repeat` calls, per call.
double Median(int repeat, const std::function<void()>& work) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Seconds();
        for (int i = 0; i < repeat; ++i) {
            work();
        }
        GdiFlush();
        times.push_back((Seconds() - start) / repeat);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A frame rate that wanders the way a benchmark run's does.
double Rate(int graph, int second) {
    return 60.0 + 25.0 * std::sin(second * 0.013 + graph) + 10.0 * std::sin(second * 0.31 * graph) +
           static_cast<double>((second * 7919 + graph * 104729) % 13);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

int Run() {
    CGraphWnd graph(32);
    if (!graph.Create("Graph Window", RECT{0, 0, 800, 560}, nullptr, 0, WS_POPUP | WS_VISIBLE,
                      true)) {
        std::fprintf(stderr, "no graph window\n");
        return 1;
    }
    // The points arrive before the range so the set-up itself renders little.
    graph.SetGraphFlags(0, false);
    for (int g = 0; g < kGraphs; ++g) {
        const int index = graph.AddGraph(GraphColor(g), "graph", false, true, false);
        for (int s = 0; s < kPoints; ++s) {
            graph.AddPoint(index, s, Rate(g, s), false);
        }
    }
    // Lines only, as the Polyline baseline draws them; room on the right for new points.
    graph.SetAxisRange(0.0, 2.0 * kPoints, 0.0, 140.0, false);
    graph.SetGraphFlags(kGrowAxesFlag, true);
    PumpMessages();
    CGraphPanel& panel = *graph.Panel();
    HDC dc = panel.BitmapDc();
    const SIZE size = panel.BitmapSize();
    const PixelRect area{0, 0, size.cx, size.cy};

    const double full = Median(4, [&panel] { panel.Redraw(); });

    GdiBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    const GraphRange range = panel.Range();
    const ValueMapping x = XMapping(area, range.x);
    const ValueMapping y = YMapping(area, range.y);
    const double polyline = Median(4, [&] {
        const RECT grown{-1, -1, area.right + 1, area.bottom + 1};
        FillRect(dc, &grown, white.Get());
        std::vector<POINT> points(kPoints);
        int position = -1;
        for (const CGraphProps* props = graph.GetFirstGraph(position); props;
             props = graph.GetNextGraph(position)) {
            for (int i = 0; i < props->GetCount(); ++i) {
                const GraphPoint& point = props->GetPoint(i);
                points[static_cast<std::size_t>(i)] = {x.PixelOf(point.x), y.PixelOf(point.y)};
            }
            const HGDIOBJ previous = SelectObject(dc, props->Pen());
            Polyline(dc, points.data(), props->GetCount());
            SelectObject(dc, previous);
        }
    });

    panel.Redraw();
    int next = kPoints;
    const double incremental = Median(40, [&graph, &next] {
        graph.AddPoint(0, next, Rate(0, next), true);
        ++next;
    });

    const double marked = [&] {
        graph.SetGraphFlags(kDefaultPanelFlags, true);
        return Median(4, [&panel] { panel.Redraw(); });
    }();

    std::printf("line graph full render (16 x 3600 points, lines): %.3f ms\n", full * 1e3);
    std::printf("one Polyline per graph, same pens and bitmap:      %.3f ms\n", polyline * 1e3);
    std::printf("one point added at the end:                        %.4f ms\n", incremental * 1e3);
    std::printf("full render with marks and grid (the default):     %.3f ms\n", marked * 1e3);
    std::printf("full render / Polyline ratio: %.2f (goal <= 1.5)\n", full / polyline);
    std::printf("incremental point / full render ratio: %.4f (goal <= 0.05)\n", incremental / full);
    return 0;
}

}  // namespace
}  // namespace tarvik

int main() {
    return tarvik::Run();
}
