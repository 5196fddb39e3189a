// Stand-in for the game and for outside programs in the monitor's tests.
//   sleep MS              waits and exits
//   popup MS [DELAY_MS]   after DELAY_MS, shows "Quenby test popup" in the foreground for MS
//   spawn [MODE ARGS...]  starts itself with MODE ARGS (default: sleep 1200) and waits for it
//   desktop MS            shows the popup for 400 ms, then puts the bare desktop in the
//                         foreground (as when a game minimises itself) for MS
#include <windows.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    // Windows raises this itself when the foreground changes; Wine 8 does not, and the hook
    // path of the monitor would otherwise go unexercised there.
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window, OBJID_WINDOW, CHILDID_SELF);
}

// Shows the popup in front for shownMs, then, when desktopMs is not 0, the bare desktop in front
// for desktopMs, then closes.
int ShowPopup(DWORD shownMs, DWORD desktopMs) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PopupProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "QuenbyTestPopup";
    if (!RegisterClassA(&windowClass)) {
        return 2;
    }
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Quenby test popup",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320, 120, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        return 2;
    }
    BringToFront(window);
    SetTimer(window, 1, shownMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window) {
            if (desktopMs != 0) {
                BringToFront(GetDesktopWindow());
                SetTimer(window, 1, std::exchange(desktopMs, 0), nullptr);
            } else {
                DestroyWindow(window);
            }
            continue;
        }
        DispatchMessageA(&message);
    }
    return 0;
}

int SpawnSelf(int argc, char** argv, int first) {
    char self[MAX_PATH];
    if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0) {
        return 2;
    }
    std::string commandLine = std::string("\"") + self + "\"";
    if (first >= argc) {
        commandLine += " sleep 1200";
    }
    for (int i = first; i < argc; ++i) {
        commandLine += std::string(" ") + argv[i];
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 2;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

DWORD Milliseconds(int argc, char** argv, int index) {
    return index < argc ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 10)) : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "sleep") {
        Sleep(Milliseconds(argc, argv, 2));
        return 0;
    }
    if (mode == "popup") {
        Sleep(Milliseconds(argc, argv, 3));
        return ShowPopup(Milliseconds(argc, argv, 2), 0);
    }
    if (mode == "desktop") {
        return ShowPopup(400, Milliseconds(argc, argv, 2));
    }
    if (mode == "spawn") {
        return SpawnSelf(argc, argv, 2);
    }
    return 1;
}
