#pragma once
// CHyperLink: turns a static text control of a dialog into a web link. Coloured text that
// underlines while the mouse is over it, a hand cursor, a tooltip with the target, and a click
// that opens the target in the browser.
//
// The link paints itself rather than colouring the static through its parent's
// WM_CTLCOLORSTATIC: that keeps the parent's own control colours untouched, needs no second
// subclass on a window the link does not own, and draws the same for WM_PRINTCLIENT.
#include <windows.h>

#include <string>

#include "base/prompt.h"
#include "base/win32/gdi.h"
#include "base/win32/handles.h"
#include "widgets/win32/link_opener.h"

namespace tarvik {

class CHyperLink {
  public:
    // Failures to open are told through the prompt.
    explicit CHyperLink(Prompt& prompt);
    ~CHyperLink();
    CHyperLink(const CHyperLink&) = delete;
    CHyperLink& operator=(const CHyperLink&) = delete;

    // Takes over the dialog's static control. False when the control does not exist or this
    // object is already bound.
    bool SubclassDlgItem(int controlId, HWND dialog);
    HWND Handle() const { return hwnd_; }

    void SetURL(const std::string& target);
    const std::string& GetURL() const { return target_; }
    void SetVisited(bool visited = true);
    bool GetVisited() const { return visited_; }
    // kUnderlineAlways, kUnderlineNever or kUnderlineHover.
    void SetUnderline(int mode);
    int GetUnderline() const { return underline_; }
    // Whether the control is resized to its text (at binding and with each new target).
    void SetAutoSize(bool fit = true);
    bool GetAutoSize() const { return autoSize_; }

    // Where the hand cursor comes from when the system's help viewer has none: a cursor
    // resource of that module. Without it such a link keeps the ordinary cursor.
    void SetFallbackCursor(HINSTANCE module, int cursorId);
    // Replaces the shell; the opener must outlive the link.
    void SetOpener(LinkOpener& opener) { opener_ = &opener; }

    bool IsOver() const { return over_; }
    // Whether the text is drawn underlined just now.
    bool IsUnderlined() const;
    // The colour the text is drawn in just now.
    COLORREF TextColor() const;
    HCURSOR GetLinkCursor() const { return cursor_.Get(); }
    HWND TooltipHandle() const { return tooltip_.Get(); }
    // What the tooltip says; empty when there is none.
    std::string TooltipText() const;

  private:
    struct OwnedWindowTraits {
        using Handle = HWND;
        static Handle Invalid() { return nullptr; }
        static void Close(Handle window) {
            if (::IsWindow(window)) {
                ::DestroyWindow(window);
            }
        }
    };

    static LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);

    // Gives the control back as it was; Forget only drops it, for a window that is going.
    void Unbind();
    void Forget();
    void MakeFonts();
    // Switches the control to the font the underline mode and the mouse ask for.
    void ApplyFont();
    void FitToText();
    void LoadLinkCursor();
    void CreateTooltip();
    void UpdateTooltip();
    void Paint(HDC dc) const;
    void OnMouseMove();
    void OnHoverTimer();
    void FollowLink();
    int OpenWithFallback();

    Prompt& prompt_;
    ShellLinkOpener shell_;
    LinkOpener* opener_ = &shell_;
    HWND hwnd_ = nullptr;
    std::string target_;
    bool over_ = false;
    bool visited_ = false;
    int underline_;
    bool autoSize_ = true;
    GdiFont plainFont_;
    GdiFont underlinedFont_;
    HFONT originalFont_ = nullptr;  // the control's own, given back when the link lets go
    OwnedIcon cursor_;
    HINSTANCE fallbackCursorModule_ = nullptr;
    int fallbackCursorId_ = 0;
    UniqueHandle<OwnedWindowTraits> tooltip_;
};

}  // namespace tarvik
