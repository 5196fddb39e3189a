#pragma once
// Lets a test look at a modal dialog from inside its loop and close it, so the test never
// blocks on it.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace tarvik {

// Looks at a modal dialog while its loop runs (through a timer of the host, whose id is this
// object), then presses its OK button. Pressing again, and at last ending it, keeps a broken
// OK from hanging the test.
class ModalWatcher {
  public:
    ModalWatcher(HWND timerWindow, std::string caption, std::function<void(HWND)> look)
        : window_(timerWindow), caption_(std::move(caption)), look_(std::move(look)) {
        SetTimer(window_, Id(), 50, Tick);
    }
    ~ModalWatcher() { KillTimer(window_, Id()); }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    bool Seen() const { return presses_ > 0; }

  private:
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        auto* self = reinterpret_cast<ModalWatcher*>(id);
        HWND box = FindWindowA("#32770", self->caption_.c_str());
        if (!box || !IsWindowVisible(box)) {
            return;
        }
        if (self->presses_++ == 0) {
            self->look_(box);
        }
        if (self->presses_ > 20) {
            EndDialog(box, 0);
            return;
        }
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }

    HWND window_;
    std::string caption_;
    std::function<void(HWND)> look_;
    int presses_ = 0;
};

}  // namespace tarvik
