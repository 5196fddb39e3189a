#pragma once
// How the Results tab opens its two graphs: modally in the program, recorded in tests.
#include <windows.h>

#include "app/app_state.h"

namespace tarvik {

class GraphDialogs {
  public:
    virtual ~GraphDialogs() = default;
    virtual void ShowBarGraph(HWND owner) = 0;
    virtual void ShowLineGraph(HWND owner) = 0;
};

class ModalGraphDialogs : public GraphDialogs {
  public:
    explicit ModalGraphDialogs(const PageContext& context) : context_(context) {}
    void ShowBarGraph(HWND owner) override;
    void ShowLineGraph(HWND owner) override;

  private:
    PageContext context_;
};

}  // namespace tarvik
