#include "bench/win32/custom_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cbench::Cbench(AppState& state, PageSwitcher& pages) : PropertyPage(IDD_PAGE_CUSTOM), state_(state), pages_(pages) {}

}  // namespace tarvik
