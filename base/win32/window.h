#pragma once
// One window procedure for plain child windows, as Dialog is for dialogs: it binds the object
// at WM_NCCREATE and calls typed handlers, so a window class reads as a list of its reactions.
#include <windows.h>

#include <string>

namespace tarvik {

enum class MouseButton { kLeft, kRight, kMiddle };

// How a window class is registered; registered once per name and module.
struct WindowClassDescription {
    const char* name;
    UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    LPCSTR cursor = IDC_ARROW;
    HBRUSH background = nullptr;  // null: the window paints all of itself
};

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // A window still open when its object goes is destroyed with it.
    virtual ~Window();

    // Creates the window at `area` (client coordinates of the parent); null on failure.
    HWND Create(HWND parent, const RECT& area, int id, DWORD style = WS_CHILD | WS_VISIBLE,
                DWORD extendedStyle = 0, const std::string& title = {});
    HWND Handle() const { return hwnd_; }
    void Invalidate(bool erase = false) const;

    // The module the classes are registered in (the program itself).
    static HINSTANCE Module();

  protected:
    Window() = default;

    virtual WindowClassDescription ClassDescription() const = 0;

    // False makes CreateWindowEx fail.
    virtual bool OnCreate() { return true; }
    virtual void OnPaint(HDC dc, const RECT& dirty);
    virtual void OnSize(int width, int height);
    virtual void OnMouseMove(int x, int y, WPARAM keys);
    virtual void OnButtonDown(MouseButton button, int x, int y, WPARAM keys);
    virtual void OnButtonUp(MouseButton button, int x, int y, WPARAM keys);
    virtual void OnDoubleClick(MouseButton button, int x, int y, WPARAM keys);
    // `screen` is (-1, -1) when the menu key or Shift+F10 asked; returns true when handled.
    virtual bool OnContextMenu(HWND clicked, POINT screen);
    virtual void OnTimer(UINT_PTR id);
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual void OnCaptureLost() {}
    // Returns true when the background was drawn (or needs none).
    virtual bool OnEraseBackground(HDC dc);
    virtual void OnDestroy() {}
    // Messages the typed handlers do not cover; true when handled, with its result.
    virtual bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool RegisterClassOnce() const;
    void Paint();

    HWND hwnd_ = nullptr;
};

}  // namespace tarvik
