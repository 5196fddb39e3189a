#pragma once
// The Main tab: the installed game, the machine, and the standard benchmark.
#include <functional>
#include <string>

#include "app/app_state.h"
#include "base/win32/property_page.h"
#include "sysinfo/win32/system_facts_reader.h"
#include "widgets/win32/button_st.h"

namespace tarvik {

// Where the page learns about the machine; tests hand in known facts.
using SystemFactsSource = std::function<SystemFacts()>;

class Cmain : public PropertyPage {
  public:
    explicit Cmain(const PageContext& context, SystemFactsSource readFacts = ReadSystemFacts);

    const CButtonST& BenchmarkButton() const { return benchmark_; }

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void DescribeGame();
    void SetUpBenchmarkButton();
    void DescribeMachine();
    void ShowTexts() const;

    PageContext context_;
    SystemFactsSource readFacts_;
    CButtonST benchmark_;

    // What the page shows, made once when it opens.
    std::string edition_;
    std::string version_;
    std::string processorLine_;
    std::string memoryLine_;
    std::string osLine_;
    std::string videoLine_;
};

}  // namespace tarvik
