#pragma once
// The Settings tab: how results are computed, and the result files.
#include "app/app_state.h"
#include "base/win32/property_page.h"

namespace tarvik {

class Csettings : public PropertyPage {
  public:
    explicit Csettings(const PageContext& context);

  private:
    PageContext context_;
};

}  // namespace tarvik
