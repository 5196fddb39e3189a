#pragma once
// Start-up: refuses old Windows and a second copy, shows the splash, then the main window.
#include "app/app_state.h"
#include "base/win32/message_box_prompt.h"
#include "base/win32/self_resource.h"

namespace tarvik {

class CTarvikApp {
  public:
    CTarvikApp();
    // Runs the program to its end; returns the process exit code.
    int Run();

  private:
    AppState state_;
    MessageBoxPrompt prompt_;
    // Lives as long as the program, so the help file is gone when the program ends.
    CSelfXResource helpFile_;
};

}  // namespace tarvik
