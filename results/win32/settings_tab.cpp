#include "results/win32/settings_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Csettings::Csettings(AppState& state, PageSwitcher& pages) : PropertyPage(IDD_PAGE_SETTINGS), state_(state), pages_(pages) {}

}  // namespace tarvik
