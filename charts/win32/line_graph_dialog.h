#pragma once
// The "Line Graphs" dialog: the frame rate of every loaded result over the seconds of its run,
// one coloured graph each, in a graph window that zooms, pans and fits.
#include <windows.h>

#include "app/app_state.h"
#include "base/file_chooser.h"
#include "base/win32/dialog.h"
#include "charts/win32/graph_wnd.h"

namespace tarvik {

class CLinegraph : public Dialog {
  public:
    static constexpr int kGraphSlots = 32;
    // The graph window leaves this much of the client area for the button below it.
    static constexpr int kBottomMargin = 60;

    CLinegraph(const AppState& state, FileChooser* files);

    CGraphWnd& Graph() { return graph_; }
    int loopCounter() const { return loop_; }

  protected:
    BOOL OnInit() override;

  private:
    const AppState& state_;
    CGraphWnd graph_;
    int loop_ = 0;
};

// Returns when the user closes it.
void ShowLineGraphDialog(HWND owner, const PageContext& context);

}  // namespace tarvik
