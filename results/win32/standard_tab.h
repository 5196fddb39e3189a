#pragma once
// The Standard tab: the preset benchmarks.
#include "app/app_state.h"
#include "app/win32/property_page.h"

namespace tarvik {

class Cstandbench : public PropertyPage {
public:
    Cstandbench(AppState& state, PageSwitcher& pages);

private:
    AppState& state_;
    PageSwitcher& pages_;
};

}  // namespace tarvik
