#pragma once
// The splash picture shown for two seconds at start-up.
#include "base/win32/dialog.h"

namespace tarvik {

class Csplashdlg : public Dialog {
  public:
    Csplashdlg();

  protected:
    BOOL OnInit() override;
    void OnTimer(UINT_PTR id) override;
};

}  // namespace tarvik
