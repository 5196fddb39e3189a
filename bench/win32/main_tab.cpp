#include "bench/win32/main_tab.h"

#include <utility>

#include "base/prompt.h"
#include "bench/win32/standard_run.h"
#include "res/resource_ids.h"
#include "sysinfo/system_facts.h"
#include "sysinfo/win32/game_version.h"
#include "widgets/button_looks.h"
#include "widgets/win32/button_style.h"

namespace tarvik {

Cmain::Cmain(const PageContext& context, SystemFactsSource readFacts)
    : PropertyPage(IDD_PAGE_MAIN), context_(context), readFacts_(std::move(readFacts)) {}

BOOL Cmain::OnInit() {
    DescribeGame();
    SetUpBenchmarkButton();
    DescribeMachine();
    ShowTexts();
    return TRUE;
}

void Cmain::DescribeGame() {
    edition_ = context_.state.isDemo ? "UT 2003 Demo" : "UT 2003 Full";
    version_ = ReadGameVersion(context_.state.gameFolder);
    context_.state.gameVersionField = GameVersionField(version_);
}

void Cmain::SetUpBenchmarkButton() {
    StyleButton(benchmark_, IDC_MAIN_BENCHMARK, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Standard Benchmark"));
}

void Cmain::DescribeMachine() {
    const SystemFacts facts = readFacts_();
    processorLine_ = ProcessorLine(facts.processorName, facts.clockMhz);
    memoryLine_ = MemoryLine(MemoryMegabytes(facts.totalMemoryBytes));
    const WindowsVersion& windows = facts.windowsVersion;
    osLine_ = GetOsName(windows.major, windows.minor, windows.build);
    if (!facts.videoCard.direct3dAvailable) {
        context_.prompt.Show("Can't get Video Card name", "!");
    }
    videoLine_ = facts.videoCard.description.value_or("");
}

void Cmain::ShowTexts() const {
    const std::pair<int, const std::string*> texts[] = {
        {IDC_MAIN_EDITION, &edition_},   {IDC_MAIN_VERSION, &version_},
        {IDC_MAIN_CPU, &processorLine_}, {IDC_MAIN_MEMORY, &memoryLine_},
        {IDC_MAIN_OS, &osLine_},         {IDC_MAIN_VIDEO, &videoLine_},
    };
    for (const auto& [id, text] : texts) {
        SetItemText(id, *text);
    }
}

bool Cmain::OnCommand(int id, int code, HWND control) {
    if (id == IDC_MAIN_BENCHMARK && code == BN_CLICKED) {
        RunStandardBenchmark(context_);
        return true;
    }
    return PropertyPage::OnCommand(id, code, control);
}

}  // namespace tarvik
