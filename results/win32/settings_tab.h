#pragma once
// The Settings tab: how results are computed, and the result files.
#include "app/app_state.h"
#include "app/win32/property_page.h"

namespace tarvik {

class Csettings : public PropertyPage {
public:
    Csettings(AppState& state, PageSwitcher& pages);

private:
    AppState& state_;
    PageSwitcher& pages_;
};

}  // namespace tarvik
