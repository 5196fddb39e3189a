#pragma once
// One graph of the graph window: its points, colour, title, whether it is shown, and the pen
// and brush it is drawn with.
#include <string>

#include "base/color.h"
#include "base/win32/gdi.h"
#include "charts/points_collection.h"

namespace tarvik {

class CGraphProps : public CPointsCollection {
  public:
    CGraphProps(ColorValue color, const std::string& title, bool sorted, bool keepDuplicates,
                bool ownsPens = true);
    // Copies the looks and the slot, not the points.
    CGraphProps(const CGraphProps& other);
    CGraphProps& operator=(const CGraphProps& other);

    ColorValue color() const { return color_; }
    void SetColor(ColorValue color);
    const std::string& title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    bool visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    int slot() const { return slot_; }
    void SetSlot(int slot) { slot_ = slot; }
    bool ownsPens() const { return ownsPens_; }

    // Selects the graph's pen and brush into a DC while it lives; made for the occasion when
    // the graph does not own them.
    class Selected {
      public:
        Selected(const CGraphProps& graph, HDC dc);

      private:
        GdiPen madePen_;
        GdiBrush madeBrush_;
        SelectionGuard pen_;
        SelectionGuard brush_;
    };
    HPEN Pen() const { return pen_.Get(); }

  private:
    void MakePens();

    bool ownsPens_;
    ColorValue color_;
    std::string title_;
    bool visible_ = true;
    int slot_ = -1;
    GdiPen pen_;
    GdiBrush brush_;
};

}  // namespace tarvik
