#include "results/win32/settings_tab.h"

#include "res/resource_ids.h"

namespace tarvik {

Csettings::Csettings(const PageContext& context)
    : PropertyPage(IDD_PAGE_SETTINGS), context_(context) {}

}  // namespace tarvik
