#include "charts/win32/graph_props.h"

namespace tarvik {

CGraphProps::CGraphProps(ColorValue color, const std::string& title, bool sorted,
                         bool keepDuplicates, bool ownsPens)
    : CPointsCollection(sorted, keepDuplicates), ownsPens_(ownsPens), color_(color), title_(title) {
    MakePens();
}

CGraphProps::CGraphProps(const CGraphProps& other)
    : CPointsCollection(other.sorted(), other.keepDuplicates()),
      ownsPens_(other.ownsPens_),
      color_(other.color_),
      title_(other.title_),
      visible_(other.visible_),
      slot_(other.slot_) {
    MakePens();
}

CGraphProps& CGraphProps::operator=(const CGraphProps& other) {
    if (this != &other) {
        ownsPens_ = other.ownsPens_;
        title_ = other.title_;
        visible_ = other.visible_;
        slot_ = other.slot_;
        SetColor(other.color_);
    }
    return *this;
}

void CGraphProps::SetColor(ColorValue color) {
    color_ = color;
    MakePens();
}

void CGraphProps::MakePens() {
    pen_.Reset();
    brush_.Reset();
    if (ownsPens_) {
        pen_.Reset(CreatePen(PS_SOLID, 1, color_));
        brush_.Reset(CreateSolidBrush(color_));
    }
}

CGraphProps::Selected::Selected(const CGraphProps& graph, HDC dc)
    : madePen_(graph.pen_ ? nullptr : CreatePen(PS_SOLID, 1, graph.color_)),
      madeBrush_(graph.brush_ ? nullptr : CreateSolidBrush(graph.color_)),
      pen_(dc, graph.pen_ ? graph.pen_.Get() : madePen_.Get()),
      brush_(dc, graph.brush_ ? graph.brush_.Get() : madeBrush_.Get()) {}

}  // namespace tarvik
