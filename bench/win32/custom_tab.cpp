#include "bench/win32/custom_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cbench::Cbench(const PageContext& context) : PropertyPage(IDD_PAGE_CUSTOM), context_(context) {}

}  // namespace tarvik
