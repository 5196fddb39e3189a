#pragma once
// The small window the simulated game shows while a run lasts, in place of the real game's
// full screen. It needs no input; closing it ends the run early, as quitting the game would.
#include <windows.h>

#include <string>

namespace tarvik::simgame {

class RunWindow {
  public:
    RunWindow(const std::string& title, const std::string& description, DWORD durationMs);
    ~RunWindow();
    RunWindow(const RunWindow&) = delete;
    RunWindow& operator=(const RunWindow&) = delete;

    // Keeps the window alive for `ms` more; false when the user closed it meanwhile.
    bool Wait(DWORD ms);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND window_ = nullptr;
    std::string title_;
    std::string description_;
    ULONGLONG startTick_ = 0;
    DWORD durationMs_ = 0;
    bool closed_ = false;
};

}  // namespace tarvik::simgame
