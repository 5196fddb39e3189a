#include "tools/simgame/win32/run_window.h"

#include "base/format.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kClassName = "Ut2003SimulationWindow";
constexpr UINT_PTR kRepaintTimer = 1;
constexpr UINT kRepaintMs = 250;
constexpr int kWidth = 460;
constexpr int kHeight = 150;

void RegisterOnce(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    if (::GetClassInfoA(instance, kClassName, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);
}

}  // namespace

RunWindow::RunWindow(const std::string& title, const std::string& description, DWORD durationMs)
    : title_(title),
      description_(description),
      startTick_(::GetTickCount64()),
      durationMs_(durationMs) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    RegisterOnce(instance, &RunWindow::Procedure);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    window_ =
        ::CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x,
                          y, kWidth, kHeight, nullptr, nullptr, instance, this);
    if (window_ != nullptr) {
        // Not activated: the front-end that started the run keeps the keyboard.
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window_);
        ::SetTimer(window_, kRepaintTimer, kRepaintMs, nullptr);
    }
}

RunWindow::~RunWindow() {
    if (window_ != nullptr) {
        ::KillTimer(window_, kRepaintTimer);
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
}

bool RunWindow::Wait(DWORD ms) {
    const ULONGLONG deadline = ::GetTickCount64() + ms;
    for (;;) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        const ULONGLONG now = ::GetTickCount64();
        if (closed_ || now >= deadline) {
            return !closed_;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                    QS_ALLINPUT);
    }
}

void RunWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window_, &paint);
    RECT area;
    ::GetClientRect(window_, &area);
    ::InflateRect(&area, -12, -10);
    const ULONGLONG elapsed = ::GetTickCount64() - startTick_;
    // Without a window manager the caption is not drawn, so the body repeats it.
    const std::string text =
        title_ + "\n\n" + description_ +
        Format("\nElapsed %.1f of %.1f s", static_cast<double>(elapsed) / 1000.0,
               static_cast<double>(durationMs_) / 1000.0);
    ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 200, 0));
    ::DrawTextA(dc, text.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    ::EndPaint(window_, &paint);
}

LRESULT CALLBACK RunWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<RunWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
        switch (message) {
            case WM_PAINT:
                self->window_ = window;
                self->Paint();
                return 0;
            case WM_TIMER:
                ::InvalidateRect(window, nullptr, TRUE);
                return 0;
            case WM_CLOSE:
                self->closed_ = true;
                return 0;
            default:
                break;
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tarvik::simgame
