#pragma once
// The Custom tab: benchmark scripts.
#include "app/app_state.h"
#include "app/win32/property_page.h"

namespace tarvik {

class Cbench : public PropertyPage {
public:
    Cbench(AppState& state, PageSwitcher& pages);

private:
    AppState& state_;
    PageSwitcher& pages_;
};

}  // namespace tarvik
