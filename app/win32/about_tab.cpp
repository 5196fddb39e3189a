#include "app/win32/about_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Ccredits::Ccredits(AppState& state, PageSwitcher& pages) : PropertyPage(IDD_PAGE_ABOUT), state_(state), pages_(pages) {}

}  // namespace tarvik
