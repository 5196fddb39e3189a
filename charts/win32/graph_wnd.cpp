#include "charts/win32/graph_wnd.h"

#include "charts/win32/graph_events.h"

namespace tarvik {

namespace {
constexpr int kFrameId = 11008;
}  // namespace

CGraphWnd::CGraphWnd(int slots, FileChooser* files)
    : slots_(static_cast<std::size_t>(std::max(slots, 0))), files_(files) {}

CGraphWnd::~CGraphWnd() {
    // The frame's windows read the graphs while they go: destroy them before the graphs.
    if (Handle()) {
        DestroyWindow(Handle());
    }
}

HWND CGraphWnd::Create(const std::string& title, const RECT& area, HWND parent, int id, DWORD style,
                       bool refreshOnTimer) {
    refreshOnTimer_ = refreshOnTimer;
    return Window::Create(parent, area, id, style | WS_CLIPCHILDREN, 0, title);
}

bool CGraphWnd::OnCreate() {
    JoinGraphChain(Handle(), this);
    frame_ = std::make_unique<CGraphFrame>(*this, files_, refreshOnTimer_);
    RECT client{};
    GetClientRect(Handle(), &client);
    return frame_->Create(Handle(), client, kFrameId, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN) !=
           nullptr;
}

void CGraphWnd::OnDestroy() {
    LeaveGraphChain(Handle());
}

void CGraphWnd::OnSize(int width, int height) {
    if (frame_ && frame_->Handle()) {
        MoveWindow(frame_->Handle(), 0, 0, width, height, TRUE);
    }
}

void CGraphWnd::Send(const GraphEvent& event) const {
    if (frame_ && frame_->Handle()) {
        SendGraphEvent(frame_->Handle(), event);
    }
}

int CGraphWnd::AddGraph(ColorValue color, const std::string& title, bool redraw, bool sorted,
                        bool keepDuplicates) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = std::make_unique<CGraphProps>(color, title, sorted, keepDuplicates);
            ++count_;
            GraphEvent event;
            event.code = GraphEventCode::GraphAdded;
            event.graph = static_cast<int>(i);
            event.redraw = redraw;
            Send(event);
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CGraphWnd::RemoveGraph(int index, bool redraw) {
    if (!GetGraph(index)) {
        return -1;
    }
    slots_[static_cast<std::size_t>(index)].reset();
    --count_;
    GraphEvent event;
    event.code = GraphEventCode::GraphRemoved;
    event.graph = index;
    event.redraw = redraw;
    Send(event);
    return index;
}

CGraphProps* CGraphWnd::GetGraph(int index) const {
    return SlotIn(index) ? slots_[static_cast<std::size_t>(index)].get() : nullptr;
}

CGraphProps* CGraphWnd::GetFirstGraph(int& position) const {
    position = -1;
    return GetNextGraph(position);
}

CGraphProps* CGraphWnd::GetNextGraph(int& position) const {
    for (int i = std::max(position + 1, 0); i < static_cast<int>(slots_.size()); ++i) {
        if (slots_[static_cast<std::size_t>(i)]) {
            position = i;
            return slots_[static_cast<std::size_t>(i)].get();
        }
    }
    position = -1;
    return nullptr;
}

int CGraphWnd::AddPoint(int graph, double x, double y, bool redraw, int position) {
    CGraphProps* props = GetGraph(graph);
    if (!props) {
        return -1;
    }
    const int at = props->AddPoint(x, y, redraw, position);
    if (at >= 0) {
        GraphEvent event;
        event.code = GraphEventCode::PointAdded;
        event.graph = graph;
        event.point = at;
        event.redraw = redraw;
        Send(event);
    }
    return at;
}

int CGraphWnd::EditPoint(int graph, int point, double x, double y, bool redraw) {
    CGraphProps* props = GetGraph(graph);
    if (!props) {
        return -1;
    }
    const int at = props->EditPoint(point, x, y, redraw);
    if (at >= 0) {
        GraphEvent event;
        event.code = GraphEventCode::PointEdited;
        event.graph = graph;
        event.point = at;
        event.redraw = redraw;
        Send(event);
    }
    return at;
}

int CGraphWnd::RemovePoint(int graph, int point, bool redraw) {
    CGraphProps* props = GetGraph(graph);
    if (!props) {
        return -1;
    }
    const int at = props->RemovePoint(point);
    if (at >= 0) {
        GraphEvent event;
        event.code = GraphEventCode::PointRemoved;
        event.graph = graph;
        event.point = at;
        event.redraw = redraw;
        Send(event);
    }
    return at;
}

void CGraphWnd::ClearGraph(int graph, bool redraw) {
    if (graph == -1) {
        for (const auto& props : slots_) {
            if (props) {
                props->Clear();
            }
        }
    } else if (CGraphProps* props = GetGraph(graph)) {
        props->Clear();
    } else {
        return;
    }
    GraphEvent event;
    event.code = GraphEventCode::GraphCleared;
    event.graph = graph;
    event.redraw = redraw;
    Send(event);
}

void CGraphWnd::SetGraphFlags(int flags, bool redraw) {
    GraphEvent event;
    event.code = GraphEventCode::AxisRange;
    GetAxisRange(event.range.x.min, event.range.x.max, event.range.y.min, event.range.y.max);
    event.flags = flags;
    event.redraw = redraw;
    Send(event);
}

int CGraphWnd::GetGraphFlags() const {
    return frame_ ? frame_->Container().Panel().flags() : 0;
}

void CGraphWnd::SetAxisRange(double xMin, double xMax, double yMin, double yMax, bool redraw) {
    GraphEvent event;
    event.code = GraphEventCode::AxisRange;
    event.range = {{xMin, xMax}, {yMin, yMax}};
    event.flags = GetGraphFlags();
    event.redraw = redraw;
    Send(event);
}

void CGraphWnd::GetAxisRange(double& xMin, double& xMax, double& yMin, double& yMax) const {
    const GraphRange range = frame_ ? frame_->Container().Panel().Range() : GraphRange{};
    xMin = range.x.min;
    xMax = range.x.max;
    yMin = range.y.min;
    yMax = range.y.max;
}

std::optional<ValueBox> CGraphWnd::BoundRect() const {
    VisibleBounds bounds;
    for (const auto& props : slots_) {
        if (props) {
            bounds.Add(*props, props->visible());
        }
    }
    return bounds.box();
}

bool CGraphWnd::GetBoundRect(double& minX, double& maxX, double& minY, double& maxY) const {
    const std::optional<ValueBox> box = BoundRect();
    if (!box) {
        return false;
    }
    minX = box->minX;
    maxX = box->maxX;
    minY = box->minY;
    maxY = box->maxY;
    return true;
}

const AxisProperties& CGraphWnd::GetAxisProps(int axis) const {
    return axis == 1 ? xAxis_ : yAxis_;
}

void CGraphWnd::SetAxisProps(const std::string& title, const std::string& unit, int precision,
                             int axis, bool redraw) {
    (axis == 1 ? xAxis_ : yAxis_).Set(title, unit, precision);
    GraphEvent event;
    event.code = GraphEventCode::AxisProperties;
    event.redraw = redraw;
    Send(event);
}

std::string CGraphWnd::FormatAxisOutput(double value, int axis, int formatIndex) const {
    return GetAxisProps(axis).FormatAxisOutput(value, formatIndex);
}

void CGraphWnd::UpdateWindows(int what) {
    GraphEvent event;
    event.code = GraphEventCode::Redraw;
    event.flags = what;
    event.redraw = true;
    Send(event);
}

void CGraphWnd::SetBarsVisibility(int bits) {
    if (bits & 0x04) {
        GraphEvent event;
        event.code = GraphEventCode::LiveUpdateOff;
        Send(event);
    }
    if (bits & 0x08) {
        GraphEvent event;
        event.code = GraphEventCode::LiveUpdateOn;
        Send(event);
    }
}

}  // namespace tarvik
