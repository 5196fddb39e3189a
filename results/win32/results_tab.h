#pragma once
// The Results tab: the newest results as text, graphs and a saved file.
#include "app/app_state.h"
#include "app/win32/property_page.h"

namespace tarvik {

class Cresults : public PropertyPage {
public:
    explicit Cresults(const PageContext& context);

private:
    PageContext context_;
};

}  // namespace tarvik
