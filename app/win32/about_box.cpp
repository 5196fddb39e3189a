#include "app/win32/about_box.h"

#include "res/resource_ids.h"

namespace tarvik {

// The template says it all; OK and the close box end it through the base.
CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUT_BOX) {}

}  // namespace tarvik
