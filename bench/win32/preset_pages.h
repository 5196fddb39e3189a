#pragma once
// The fixed benchmarks of the Standard tab, a page each: the page reads its choices, forms the
// preset's lines and runs them one after another.
#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "base/win32/property_page.h"
#include "bench/detail_ini.h"
#include "bench/game_launcher.h"
#include "widgets/win32/button_st.h"
#include "widgets/win32/hyperlink.h"

namespace tarvik {

// What every preset page has: the shared state and the launcher its runs go through.
class PresetPage : public PropertyPage {
  protected:
    PresetPage(int templateId, const PageContext& context, GameLauncher& launcher)
        : PropertyPage(templateId), context_(context), launcher_(launcher) {}

    const std::string& GameFolder() const { return context_.state.gameFolder; }
    // Runs the lines one after another, then afterRuns, then the closing steps.
    void Run(const std::vector<std::string>& lines, const std::function<void()>& afterRuns = {});
    Prompt& UserPrompt() const { return context_.prompt; }

  private:
    PageContext context_;
    GameLauncher& launcher_;
};

// The game maker's standard benchmark at the chosen resolution.
class Cepicpage : public PresetPage {
  public:
    Cepicpage(const PageContext& context, GameLauncher& launcher);

    // Which radio button holds the choice (0 to 4), or -1 when none does.
    int ResolutionIndex() const;

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    CButtonST start_;
};

// A flyby or botmatch benchmark with a choice of detail and resolution.
class Corlimarpage : public PresetPage {
  public:
    Corlimarpage(const PageContext& context, GameLauncher& launcher);

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    CButtonST benchmark_;
};

// A review site's benchmark in three variants, each run with a system ini made for the press.
class Czandorpage : public PresetPage {
  public:
    Czandorpage(const PageContext& context, GameLauncher& launcher);

    // Where the "Zandor Benchmarker." link leads.
    static constexpr const char* kSiteAddress = "http://www.zandor.net/";

  protected:
    BOOL OnInit() override;
    void OnSetActive() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void RunVariant(DetailVariant variant);

    CButtonST high_;
    CButtonST low_;
    CButtonST cpu_;
    CHyperLink site_;
};

}  // namespace tarvik
