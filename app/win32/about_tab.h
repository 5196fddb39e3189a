#pragma once
// The About tab: credits and program information.
#include "app/app_state.h"
#include "base/win32/property_page.h"

namespace tarvik {

class Ccredits : public PropertyPage {
  public:
    explicit Ccredits(const PageContext& context);

  private:
    PageContext context_;
};

}  // namespace tarvik
