#include "results/win32/standard_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cstandbench::Cstandbench(const PageContext& context)
    : PropertyPage(IDD_PAGE_STANDARD), context_(context) {}

}  // namespace tarvik
