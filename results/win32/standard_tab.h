#pragma once
// The Standard tab: the preset benchmarks as pages of a tab set of its own, and the option to
// show only the results of the preset just run.
#include <memory>
#include <vector>

#include "app/app_state.h"
#include "app/win32/tab_set.h"
#include "base/win32/property_page.h"
#include "bench/win32/run_driver.h"

namespace tarvik {

class Cstandbench : public PropertyPage {
  public:
    explicit Cstandbench(const PageContext& context);
    // Runs go through the given launcher (tests record them).
    Cstandbench(const PageContext& context, GameLauncher& launcher);

    const TabSet& PresetTabs() const { return presets_; }

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void PlacePresetTabs() const;

    PageContext context_;
    WindowsGameLauncher windowsLauncher_;
    GameLauncher& launcher_;
    std::vector<std::unique_ptr<PropertyPage>> pages_;
    TabSet presets_;
};

}  // namespace tarvik
