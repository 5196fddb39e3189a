#include "bench/win32/main_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Cmain::Cmain(const PageContext& context) : PropertyPage(IDD_PAGE_MAIN), context_(context) {}

}  // namespace tarvik
