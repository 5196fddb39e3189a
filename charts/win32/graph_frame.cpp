#include "charts/win32/graph_frame.h"

#include "charts/win32/graph_events.h"

namespace tarvik {

namespace {
constexpr int kContainerId = 11007;
}  // namespace

CGraphFrame::CGraphFrame(const GraphSource& graphs, FileChooser* files, bool refreshOnTimer)
    : container_(graphs, files), refreshOnTimer_(refreshOnTimer) {}

bool CGraphFrame::OnCreate() {
    JoinGraphChain(Handle(), this);
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!container_.Create(Handle(), client, kContainerId,
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN)) {
        return false;
    }
    if (refreshOnTimer_) {
        SetTimer(Handle(), kRefreshTimer, kRefreshMilliseconds, nullptr);
    }
    return true;
}

void CGraphFrame::OnDestroy() {
    if (refreshOnTimer_) {
        KillTimer(Handle(), kRefreshTimer);
    }
    LeaveGraphChain(Handle());
}

void CGraphFrame::OnSize(int width, int height) {
    MoveWindow(container_.Handle(), 0, 0, width, height, TRUE);
}

void CGraphFrame::OnTimer(UINT_PTR id) {
    // The dialog host does not update docked bars' command states by itself; the point list
    // bar will hear these ticks.
    if (id == kRefreshTimer) {
        ++refreshTicks_;
    }
}

bool CGraphFrame::OnOtherMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    const GraphEvent* event = GraphEventOf(message, lParam);
    if (!event) {
        return false;
    }
    container_.Panel().OnGraphEvent(*event);
    result = 0;
    return true;
}

}  // namespace tarvik
