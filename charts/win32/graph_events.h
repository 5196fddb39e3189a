#pragma once
// What the graph window tells its frame, and the frame its panel and point list: one private
// message carrying an event code and a record of its arguments.
#include <windows.h>

#include "charts/graph_range.h"

namespace tarvik {

constexpr UINT kGraphEventMessage = 50000;

enum class GraphEventCode {
    PointAdded = 1,
    PointRemoved = 2,
    PointEdited = 3,
    GraphAdded = 4,
    GraphRemoved = 5,
    GraphCleared = 6,
    AxisRange = 8,
    AxisProperties = 9,
    Redraw = 10,
    LiveUpdateOn = 11,
    LiveUpdateOff = 12,
};

// UpdateWindows' bits.
constexpr int kRedrawPanel = 0x01;
constexpr int kRedrawRulers = 0x04;

struct GraphEvent {
    GraphEventCode code = GraphEventCode::Redraw;
    int graph = -1;
    int point = -1;
    bool redraw = false;
    GraphRange range;  // AxisRange
    int flags = 0;     // AxisRange: the panel flags; Redraw: what to redraw
};

inline LRESULT SendGraphEvent(HWND to, const GraphEvent& event) {
    return SendMessageA(to, kGraphEventMessage, static_cast<WPARAM>(event.code),
                        reinterpret_cast<LPARAM>(&event));
}

// The event a message carries, or null for any other message.
inline const GraphEvent* GraphEventOf(UINT message, LPARAM lParam) {
    return message == kGraphEventMessage ? reinterpret_cast<const GraphEvent*>(lParam) : nullptr;
}

}  // namespace tarvik
