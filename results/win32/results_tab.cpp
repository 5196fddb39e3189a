#include "results/win32/results_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cresults::Cresults(const PageContext& context) : PropertyPage(IDD_PAGE_RESULTS), context_(context) {}

}  // namespace tarvik
