#pragma once
// Cgraphframedlg, "Benchmark Graph Results": the bar chart of the loaded results, built when the
// dialog opens and redrawn on a timer into its framed area until it closes.
#include <windows.h>

#include <optional>
#include <vector>

#include "app/app_state.h"
#include "base/file_chooser.h"
#include "base/prompt.h"
#include "base/win32/open_save_dialogs.h"
#include "base/win32/dialog.h"
#include "charts/bar_graph.h"
#include "charts/bar_layout.h"
#include "charts/bar_results.h"
#include "charts/win32/bar_chart_area.h"
#include "results/map_result.h"

namespace tarvik {

constexpr UINT_PTR kBarRedrawTimerId = 1;
constexpr UINT kBarRedrawMs = 500;
// kNoGraphTypeMessage comes with the platform's default caption, the program's name.
constexpr const char* kNoGraphTypeCaption = "Tarvik";

// A window timer that is killed when it goes, or earlier by Stop.
class BarRedrawTimer {
  public:
    BarRedrawTimer() = default;
    BarRedrawTimer(const BarRedrawTimer&) = delete;
    BarRedrawTimer& operator=(const BarRedrawTimer&) = delete;
    ~BarRedrawTimer() { Stop(); }

    bool Start(HWND window, UINT_PTR id, UINT milliseconds);
    void Stop();
    bool Running() const { return window_ != nullptr; }

  private:
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
};

class Cgraphframedlg : public Dialog {
  public:
    // The chart of these records, in the shared graph colours.
    Cgraphframedlg(const std::vector<MapResult>& records, Prompt& prompt);
    // A chart made by the caller.
    Cgraphframedlg(CGraph chart, Prompt& prompt);

    // What the last drawing laid out, and how many drawings there were.
    const BarGraphLayout& Layout() const { return area_.Layout(); }
    int Redraws() const { return redraws_; }
    bool TimerRunning() const { return timer_.Running(); }
    // "Save picture..." asks here instead of the common dialog.
    void SetFileChooser(FileChooser& files) { files_ = &files; }
    // What the chart's menu commands do, also for tests.
    bool CopyPicture() const;
    void SavePicture() const;

  protected:
    BOOL OnInit() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool OnContextMenu(HWND window, POINT screen) override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void Redraw();

    std::vector<BarRecord> records_;
    std::optional<CGraph> given_;
    std::optional<CGraph> chart_;
    Prompt& prompt_;
    BarChartArea area_;
    BarRedrawTimer timer_;
    CommonFileDialogs windowsFiles_;
    FileChooser* files_ = &windowsFiles_;
    int redraws_ = 0;
    bool toldUnknownType_ = false;
};

// Returns when the user closes it.
void ShowBarGraphDialog(HWND owner, const PageContext& context);

}  // namespace tarvik
