#pragma once
// The Main tab: the installed game, the machine, and the standard benchmark.
#include "app/app_state.h"
#include "app/win32/property_page.h"

namespace tarvik {

class Cmain : public PropertyPage {
public:
    explicit Cmain(const PageContext& context);

private:
    PageContext context_;
};

}  // namespace tarvik
