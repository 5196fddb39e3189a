#pragma once
// The Standard tab: the preset benchmarks.
#include "app/app_state.h"
#include "base/win32/property_page.h"

namespace tarvik {

class Cstandbench : public PropertyPage {
  public:
    explicit Cstandbench(const PageContext& context);

  private:
    PageContext context_;
};

}  // namespace tarvik
