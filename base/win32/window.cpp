#include "base/win32/window.h"

#include "base/win32/message_params.h"

namespace tarvik {

namespace {
struct MouseMessage {
    UINT message;
    MouseButton button;
};
constexpr MouseMessage kButtonDowns[] = {{WM_LBUTTONDOWN, MouseButton::kLeft},
                                         {WM_RBUTTONDOWN, MouseButton::kRight},
                                         {WM_MBUTTONDOWN, MouseButton::kMiddle}};
constexpr MouseMessage kButtonUps[] = {{WM_LBUTTONUP, MouseButton::kLeft},
                                       {WM_RBUTTONUP, MouseButton::kRight},
                                       {WM_MBUTTONUP, MouseButton::kMiddle}};
constexpr MouseMessage kDoubleClicks[] = {{WM_LBUTTONDBLCLK, MouseButton::kLeft},
                                          {WM_RBUTTONDBLCLK, MouseButton::kRight},
                                          {WM_MBUTTONDBLCLK, MouseButton::kMiddle}};

template <std::size_t N>
const MouseMessage* Find(const MouseMessage (&table)[N], UINT message) {
    for (const MouseMessage& entry : table) {
        if (entry.message == message) {
            return &entry;
        }
    }
    return nullptr;
}
}  // namespace

Window::~Window() {
    if (hwnd_) {
        // Unbind first: the handlers of a class being destroyed must not run.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

HINSTANCE Window::Module() {
    return GetModuleHandleA(nullptr);
}

bool Window::RegisterClassOnce() const {
    const WindowClassDescription description = ClassDescription();
    WNDCLASSEXA known{};
    known.cbSize = sizeof(known);
    if (GetClassInfoExA(Module(), description.name, &known)) {
        return true;
    }
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = description.style;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = Module();
    windowClass.hCursor = LoadCursorA(nullptr, description.cursor);
    windowClass.hbrBackground = description.background;
    windowClass.lpszClassName = description.name;
    return RegisterClassExA(&windowClass) != 0;
}

HWND Window::Create(HWND parent, const RECT& area, int id, DWORD style, DWORD extendedStyle,
                    const std::string& title) {
    if (hwnd_ || !RegisterClassOnce()) {
        return nullptr;
    }
    // A child's menu parameter is its id.
    const auto menu =
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    return CreateWindowExA(extendedStyle, ClassDescription().name, title.c_str(), style, area.left,
                           area.top, area.right - area.left, area.bottom - area.top, parent, menu,
                           Module(), this);
}

void Window::Invalidate(bool erase) const {
    InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE);
}

void Window::OnPaint(HDC, const RECT&) {}
void Window::OnSize(int, int) {}
void Window::OnMouseMove(int, int, WPARAM) {}
void Window::OnButtonDown(MouseButton, int, int, WPARAM) {}
void Window::OnButtonUp(MouseButton, int, int, WPARAM) {}
void Window::OnDoubleClick(MouseButton, int, int, WPARAM) {}
bool Window::OnContextMenu(HWND, POINT) {
    return false;
}
void Window::OnTimer(UINT_PTR) {}
bool Window::OnCommand(int, int, HWND) {
    return false;
}
bool Window::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}
bool Window::OnEraseBackground(HDC) {
    return false;
}
bool Window::OnOtherMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Window*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return window->Dispatch(message, wParam, lParam);
}

void Window::Paint() {
    PAINTSTRUCT paint{};
    if (HDC dc = BeginPaint(hwnd_, &paint)) {
        OnPaint(dc, paint.rcPaint);
        EndPaint(hwnd_, &paint);
    }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at = PointFromParam(lParam);
    if (const MouseMessage* down = Find(kButtonDowns, message)) {
        OnButtonDown(down->button, at.x, at.y, wParam);
        return 0;
    }
    if (const MouseMessage* up = Find(kButtonUps, message)) {
        OnButtonUp(up->button, at.x, at.y, wParam);
        return 0;
    }
    if (const MouseMessage* twice = Find(kDoubleClicks, message)) {
        OnDoubleClick(twice->button, at.x, at.y, wParam);
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) {
                return TRUE;
            }
            break;
        case WM_SIZE: {
            const SIZE size = SizeFromParam(lParam);
            OnSize(size.cx, size.cy);
            return 0;
        }
        case WM_MOUSEMOVE:
            OnMouseMove(at.x, at.y, wParam);
            return 0;
        case WM_CONTEXTMENU:
            if (OnContextMenu(reinterpret_cast<HWND>(wParam), at)) {
                return 0;
            }
            break;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
                return 0;
            }
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return result;
            }
            break;
        }
        case WM_CAPTURECHANGED:
            OnCaptureLost();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default: {
            LRESULT result = 0;
            if (OnOtherMessage(message, wParam, lParam, result)) {
                return result;
            }
            break;
        }
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace tarvik
