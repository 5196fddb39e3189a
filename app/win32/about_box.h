#pragma once
// CAboutDlg: the program-information box the About tab's "Tarvik info" button opens.
#include "base/win32/dialog.h"

namespace tarvik {

class CAboutDlg : public Dialog {
  public:
    CAboutDlg();
};

}  // namespace tarvik
