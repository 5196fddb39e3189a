#include "bench/win32/main_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cmain::Cmain(AppState& state, PageSwitcher& pages) : PropertyPage(IDD_PAGE_MAIN), state_(state), pages_(pages) {}

}  // namespace tarvik
