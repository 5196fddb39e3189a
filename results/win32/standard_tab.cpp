#include "results/win32/standard_tab.h"

#include "bench/win32/preset_pages.h"
#include "res/resource_ids.h"

namespace tarvik {

namespace {
// The preset tab set's corner lies this far left of and above the frame's, in dialog units.
constexpr RECT kTabsBeforeFrame{9, 7, 0, 0};
}  // namespace

Cstandbench::Cstandbench(const PageContext& context) : Cstandbench(context, windowsLauncher_) {}

Cstandbench::Cstandbench(const PageContext& context, GameLauncher& launcher)
    : PropertyPage(IDD_PAGE_STANDARD),
      context_(context),
      windowsLauncher_(context.prompt),
      launcher_(launcher) {}

BOOL Cstandbench::OnInit() {
    pages_.push_back(std::make_unique<Cepicpage>(context_, launcher_));
    if (!context_.state.isDemo) {
        pages_.push_back(std::make_unique<Corlimarpage>(context_, launcher_));
        pages_.push_back(std::make_unique<Czandorpage>(context_, launcher_));
    }
    std::vector<PropertyPage*> pages;
    for (const auto& page : pages_) {
        pages.push_back(page.get());
    }
    if (presets_.Create(Handle(), pages)) {
        PlacePresetTabs();
        presets_.ShowPage(0);
    }
    CheckItem(IDC_STANDARD_ONLY_CURRENT, context_.state.onlyCurrentBenchmark);
    return TRUE;
}

void Cstandbench::PlacePresetTabs() const {
    RECT frame{};
    GetWindowRect(Item(IDC_STANDARD_FRAME), &frame);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&frame), 2);
    RECT offset = kTabsBeforeFrame;
    MapDialogRect(Handle(), &offset);
    SetWindowPos(presets_.Handle(), nullptr, frame.left - offset.left, frame.top - offset.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Cstandbench::OnCommand(int id, int code, HWND control) {
    if (id == IDC_STANDARD_ONLY_CURRENT && code == BN_CLICKED) {
        context_.state.onlyCurrentBenchmark = IsItemChecked(IDC_STANDARD_ONLY_CURRENT);
        return true;
    }
    return PropertyPage::OnCommand(id, code, control);
}

}  // namespace tarvik
