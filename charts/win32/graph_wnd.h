#pragma once
// The graph window the line graph dialog talks to: up to a fixed number of graphs, their
// points, the axes' ranges and formats. Every change goes to the frame inside it as an event.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/file_chooser.h"
#include "base/win32/window.h"
#include "charts/axis_format.h"
#include "charts/win32/graph_base_class.h"
#include "charts/win32/graph_frame.h"
#include "charts/win32/graph_props.h"
#include "charts/win32/graph_source.h"

namespace tarvik {

class CGraphWnd : public Window, public virtual CGraphBaseClass, public GraphSource {
  public:
    // Without a file chooser "Save picture..." does nothing.
    explicit CGraphWnd(int slots, FileChooser* files = nullptr);
    ~CGraphWnd() override;

    HWND Create(const std::string& title, const RECT& area, HWND parent, int id, DWORD style,
                bool refreshOnTimer);

    virtual int AddGraph(ColorValue color, const std::string& title, bool redraw, bool sorted,
                         bool keepDuplicates);
    virtual int RemoveGraph(int index, bool redraw);
    CGraphProps* GetGraph(int index) const override;
    virtual int GetGraphCount() const { return count_; }
    CGraphProps* GetFirstGraph(int& position) const override;
    CGraphProps* GetNextGraph(int& position) const override;
    virtual int AddPoint(int graph, double x, double y, bool redraw, int position = -1);
    virtual int EditPoint(int graph, int point, double x, double y, bool redraw);
    virtual int RemovePoint(int graph, int point, bool redraw);
    // -1 clears every graph.
    virtual void ClearGraph(int graph, bool redraw);
    virtual void SetGraphFlags(int flags, bool redraw);
    virtual int GetGraphFlags() const;
    virtual void SetAxisRange(double xMin, double xMax, double yMin, double yMax, bool redraw);
    virtual void GetAxisRange(double& xMin, double& xMax, double& yMin, double& yMax) const;
    // Answers false when no visible graph has a point.
    virtual bool GetBoundRect(double& minX, double& maxX, double& minY, double& maxY) const;
    // axis 1 = X, otherwise Y.
    const AxisProperties& GetAxisProps(int axis) const override;
    virtual void SetAxisProps(const std::string& title, const std::string& unit, int precision,
                              int axis, bool redraw);
    std::string FormatAxisOutput(double value, int axis, int formatIndex) const override;
    virtual void UpdateWindows(int what);
    // The point list bar arrives with the property pages; until then only its live-update
    // switches are passed on.
    virtual void SetBarsVisibility(int bits);

    std::optional<ValueBox> BoundRect() const override;

    CGraphFrame* Frame() { return frame_ ? frame_.get() : nullptr; }
    CGraphPanel* Panel() { return frame_ ? &frame_->Container().Panel() : nullptr; }
    CGraphContainer* Container() { return frame_ ? &frame_->Container() : nullptr; }

  protected:
    WindowClassDescription ClassDescription() const override { return {"TarvikGraphWnd"}; }
    bool OnCreate() override;
    void OnDestroy() override;
    void OnSize(int width, int height) override;
    bool OnEraseBackground(HDC) override { return true; }

  private:
    void Send(const GraphEvent& event) const;
    bool SlotIn(int index) const { return index >= 0 && index < static_cast<int>(slots_.size()); }

    std::vector<std::unique_ptr<CGraphProps>> slots_;
    int count_ = 0;
    AxisProperties xAxis_;
    AxisProperties yAxis_;
    FileChooser* files_;
    bool refreshOnTimer_ = false;
    std::unique_ptr<CGraphFrame> frame_;
};

}  // namespace tarvik
