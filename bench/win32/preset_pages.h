#pragma once
// The fixed benchmarks of the Standard tab, a page each: the page reads its choices, forms the
// preset's lines and runs them one after another.
#include "app/app_state.h"
#include "base/win32/property_page.h"
#include "bench/game_launcher.h"
#include "widgets/win32/button_st.h"

namespace tarvik {

// The game maker's standard benchmark at the chosen resolution.
class Cepicpage : public PropertyPage {
  public:
    Cepicpage(const PageContext& context, GameLauncher& launcher);

    // Which radio button holds the choice (0 to 4), or -1 when none does.
    int ResolutionIndex() const;

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    PageContext context_;
    GameLauncher& launcher_;
    CButtonST start_;
};

// A flyby or botmatch benchmark with a choice of detail and resolution.
class Corlimarpage : public PropertyPage {
  public:
    Corlimarpage(const PageContext& context, GameLauncher& launcher);

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    PageContext context_;
    GameLauncher& launcher_;
    CButtonST benchmark_;
};

}  // namespace tarvik
