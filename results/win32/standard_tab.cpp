#include "results/win32/standard_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cstandbench::Cstandbench(AppState& state, PageSwitcher& pages) : PropertyPage(IDD_PAGE_STANDARD), state_(state), pages_(pages) {}

}  // namespace tarvik
