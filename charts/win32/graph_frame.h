#pragma once
// The frame inside the graph window: it holds the rulers and the panel (and, docked, the list
// of points), hands the graph window's events on to them, and runs the refresh timer.
#include "base/win32/window.h"
#include "charts/win32/graph_base_class.h"
#include "charts/win32/graph_container.h"

namespace tarvik {

class CGraphFrame : public Window, public CGraphBaseClass {
  public:
    static constexpr UINT_PTR kRefreshTimer = 0x12345;
    static constexpr UINT kRefreshMilliseconds = 100;

    CGraphFrame(const GraphSource& graphs, FileChooser* files, bool refreshOnTimer);

    CGraphContainer& Container() { return container_; }
    const CGraphContainer& Container() const { return container_; }
    int refreshTicks() const { return refreshTicks_; }

  protected:
    WindowClassDescription ClassDescription() const override { return {"TarvikGraphFrame"}; }
    bool OnCreate() override;
    void OnDestroy() override;
    void OnSize(int width, int height) override;
    void OnTimer(UINT_PTR id) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    CGraphContainer container_;
    bool refreshOnTimer_;
    int refreshTicks_ = 0;
};

}  // namespace tarvik
