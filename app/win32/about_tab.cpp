#include "app/win32/about_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Ccredits::Ccredits(const PageContext& context) : PropertyPage(IDD_PAGE_ABOUT), context_(context) {}

}  // namespace tarvik
