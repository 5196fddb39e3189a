#include "bench/win32/preset_pages.h"

#include <vector>

#include "base/win32/controls.h"
#include "bench/presets.h"
#include "bench/win32/run_driver.h"
#include "res/resource_ids.h"
#include "widgets/button_looks.h"
#include "widgets/win32/button_style.h"

namespace tarvik {

namespace {
template <typename List>
void FillCombo(const ComboBox& combo, const List& texts, int selected) {
    combo.ResetContent();
    for (const char* text : texts) {
        combo.AddString(text);
    }
    combo.SetSelection(selected);
}
}  // namespace

void PresetPage::Run(const std::vector<std::string>& lines,
                     const std::function<void()>& afterRuns) {
    RunPresetSequence(context_, launcher_, lines, afterRuns);
}

Cepicpage::Cepicpage(const PageContext& context, GameLauncher& launcher)
    : PresetPage(IDD_PRESET_EPIC, context, launcher) {}

BOOL Cepicpage::OnInit() {
    StyleButton(start_, IDC_EPIC_START, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Epic's Standard Benchmark"));
    RadioGroup(Handle(), IDC_EPIC_640, IDC_EPIC_1600).Check(IDC_EPIC_640 + kEpicDefaultResolution);
    return TRUE;
}

int Cepicpage::ResolutionIndex() const {
    const int checked = RadioGroup(Handle(), IDC_EPIC_640, IDC_EPIC_1600).CheckedId();
    return checked == 0 ? -1 : checked - IDC_EPIC_640;
}

bool Cepicpage::OnCommand(int id, int code, HWND control) {
    if (id == IDC_EPIC_START && code == BN_CLICKED) {
        Run(EpicRunLines(GameFolder(), ResolutionIndex()));
        return true;
    }
    return PresetPage::OnCommand(id, code, control);
}

Corlimarpage::Corlimarpage(const PageContext& context, GameLauncher& launcher)
    : PresetPage(IDD_PRESET_ORLIMAR, context, launcher) {}

BOOL Corlimarpage::OnInit() {
    StyleButton(benchmark_, IDC_ORLIMAR_BENCHMARK, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Orlimar Benchmark"));
    RadioGroup(Handle(), IDC_ORLIMAR_BOTMATCH, IDC_ORLIMAR_FLYBY)
        .Check(kOrlimarDefaultMode == OrlimarMode::kFlyby ? IDC_ORLIMAR_FLYBY
                                                          : IDC_ORLIMAR_BOTMATCH);
    std::vector<const char*> detailNames;
    for (const DetailLevel& level : kOrlimarDetailLevels) {
        detailNames.push_back(level.name);
    }
    FillCombo(ComboBox(Handle(), IDC_ORLIMAR_DETAIL), detailNames, kOrlimarDefaultDetail);
    FillCombo(ComboBox(Handle(), IDC_ORLIMAR_RESOLUTION), kOrlimarResolutions,
              kOrlimarDefaultResolution);
    return TRUE;
}

bool Corlimarpage::OnCommand(int id, int code, HWND control) {
    if (id == IDC_ORLIMAR_BENCHMARK && code == BN_CLICKED) {
        const OrlimarMode mode =
            IsItemChecked(IDC_ORLIMAR_BOTMATCH) ? OrlimarMode::kBotmatch : OrlimarMode::kFlyby;
        Run(OrlimarRunLines(GameFolder(), mode, ComboBox(Handle(), IDC_ORLIMAR_DETAIL).Selection(),
                            ComboBox(Handle(), IDC_ORLIMAR_RESOLUTION).Selection()));
        return true;
    }
    return PresetPage::OnCommand(id, code, control);
}

Czandorpage::Czandorpage(const PageContext& context, GameLauncher& launcher)
    : PresetPage(IDD_PRESET_ZANDOR, context, launcher), site_(context.prompt) {}

BOOL Czandorpage::OnInit() {
    StyleButton(high_, IDC_ZANDOR_HIGH, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Zandor High Detail Benchmark"));
    StyleButton(low_, IDC_ZANDOR_LOW, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Zandor Low Detail Benchmark"));
    StyleButton(cpu_, IDC_ZANDOR_CPU, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Zandor Cpu Benchmark"));
    FillCombo(ComboBox(Handle(), IDC_ZANDOR_RESOLUTION), kZandorResolutions, 0);
    site_.SetFallbackCursor(GetModuleHandleA(nullptr), IDC_HAND_CURSOR);
    site_.SubclassDlgItem(IDC_ZANDOR_LINK, Handle());
    return TRUE;
}

void Czandorpage::OnSetActive() {
    site_.SetURL(kSiteAddress);
}

bool Czandorpage::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_ZANDOR_HIGH:
                RunVariant(DetailVariant::High);
                return true;
            case IDC_ZANDOR_LOW:
                RunVariant(DetailVariant::Low);
                return true;
            case IDC_ZANDOR_CPU:
                RunVariant(DetailVariant::Cpu);
                return true;
            default:
                break;
        }
    }
    return PresetPage::OnCommand(id, code, control);
}

void Czandorpage::RunVariant(DetailVariant variant) {
    const DetailIniResult made = MakeDetailIni(GameFolder(), variant);
    if (made != DetailIniResult::Made) {
        UserPrompt().Show(DetailIniFailureMessage(made), kDetailIniCaption);
        return;
    }
    const int resolution = ComboBox(Handle(), IDC_ZANDOR_RESOLUTION).Selection();
    Run(DetailCommandLines(GameFolder(), variant, resolution),
        [this, variant] { RemoveDetailIni(GameFolder(), variant); });
}

}  // namespace tarvik
