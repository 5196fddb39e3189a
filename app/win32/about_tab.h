#pragma once
// The About tab: credits and program information.
#include "app/app_state.h"
#include "app/win32/property_page.h"

namespace tarvik {

class Ccredits : public PropertyPage {
public:
    Ccredits(AppState& state, PageSwitcher& pages);

private:
    AppState& state_;
    PageSwitcher& pages_;
};

}  // namespace tarvik
