#include "results/win32/results_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cresults::Cresults(AppState& state, PageSwitcher& pages) : PropertyPage(IDD_PAGE_RESULTS), state_(state), pages_(pages) {}

}  // namespace tarvik
