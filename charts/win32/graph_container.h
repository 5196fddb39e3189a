#pragma once
// The client of the graph frame: the vertical ruler down the left edge, the horizontal ruler
// along the top and the plotting panel in the rest. It also makes the pictures of the graph
// that users copy or save.
#include "base/file_chooser.h"
#include "base/win32/gdi.h"
#include "base/win32/window.h"
#include "charts/win32/graph_base_class.h"
#include "charts/win32/graph_panel.h"
#include "charts/win32/ruler.h"

namespace tarvik {

class CGraphContainer : public Window, public CGraphBaseClass {
  public:
    // Without a file chooser "Save picture..." does nothing.
    CGraphContainer(const GraphSource& graphs, FileChooser* files);

    CGraphPanel& Panel() { return panel_; }
    const CGraphPanel& Panel() const { return panel_; }
    FHRuler& HorizontalRuler() { return horizontal_; }
    FVRuler& VerticalRuler() { return vertical_; }

    // The panel with its rulers as they are shown.
    DibImage Picture() const;

    bool OnMenuCommand(int id) override;

  protected:
    WindowClassDescription ClassDescription() const override { return {"TarvikGraphContainer"}; }
    bool OnCreate() override;
    void OnDestroy() override;
    void OnSize(int width, int height) override;
    bool OnEraseBackground(HDC) override { return true; }

  private:
    void SavePicture();

    FileChooser* files_;
    FHRuler horizontal_;
    FVRuler vertical_;
    CGraphPanel panel_;
};

}  // namespace tarvik
