#pragma once
// The Custom tab: benchmark scripts.
#include "app/app_state.h"
#include "base/win32/property_page.h"

namespace tarvik {

class Cbench : public PropertyPage {
  public:
    explicit Cbench(const PageContext& context);

  private:
    PageContext context_;
};

}  // namespace tarvik
