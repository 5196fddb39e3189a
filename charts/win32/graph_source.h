#pragma once
// What the graph panel reads from the graph window it belongs to: the graphs in slot order,
// the axis formats and the box around the visible points.
#include <optional>
#include <string>

#include "charts/axis_format.h"
#include "charts/graph_fit.h"
#include "charts/win32/graph_props.h"

namespace tarvik {

class GraphSource {
  public:
    virtual ~GraphSource() = default;
    // Null and -1 in position when there is none (further).
    virtual CGraphProps* GetFirstGraph(int& position) const = 0;
    virtual CGraphProps* GetNextGraph(int& position) const = 0;
    virtual CGraphProps* GetGraph(int index) const = 0;
    // axis 1 = X, otherwise Y.
    virtual const AxisProperties& GetAxisProps(int axis) const = 0;
    virtual std::string FormatAxisOutput(double value, int axis, int formatIndex) const = 0;
    virtual std::optional<ValueBox> BoundRect() const = 0;
};

}  // namespace tarvik
