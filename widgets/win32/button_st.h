#pragma once
// CButtonST: the owner-drawn push button of the tabs and dialogs. An icon or bitmap beside the
// caption, colours for rest, focus and mouse-over, and a tooltip. It binds to a button that
// already exists in a dialog and draws it through the parent's WM_DRAWITEM.
#include <windows.h>

#include <string>

#include "base/win32/handles.h"
#include "widgets/button_colors.h"
#include "widgets/button_layout.h"
#include "widgets/win32/button_image.h"

namespace tarvik {

class CButtonST {
  public:
    CButtonST();
    ~CButtonST();
    CButtonST(const CButtonST&) = delete;
    CButtonST& operator=(const CButtonST&) = delete;

    // Makes the dialog's button owner-drawn and takes over its drawing, mouse tracking and
    // default-button handling. False when the control does not exist or this object is
    // already bound.
    bool SubclassDlgItem(int controlId, HWND dialog);
    HWND Handle() const { return hwnd_; }

    void SetFlat(bool flat, bool repaint = true);
    void SetFlatFocus(bool on, bool repaint = true);
    int SetAlign(int align, bool repaint = true);
    int SetColor(int index, COLORREF color, bool repaint = true);
    int OffsetColor(int index, int shade, bool repaint = true);
    COLORREF GetColor(int index) const;

    // Resource ids in the resource module; iconOut is a resource id or kIconNone, kIconGrey,
    // kIconDarker (any other value below 1 counts as kIconNone). LoadImage at the icons' own
    // size. False when an icon could not be loaded; the button then shows no image.
    bool SetIcon(int iconIn, int iconOut = kIconNone);
    bool SetBitmaps(int bitmapIn, COLORREF transparentIn, int bitmapOut = kIconNone,
                    COLORREF transparentOut = 0);
    // The same from handles, which the button then owns. A null out handle shows the in
    // image in both states.
    void SetIconHandles(HICON iconIn, HICON iconOut = nullptr);
    void SetIconHandles(HICON iconIn, int outChoice);
    void SetBitmapHandles(HBITMAP bitmapIn, COLORREF transparentIn, HBITMAP bitmapOut = nullptr,
                          COLORREF transparentOut = 0);
    void SetBitmapHandles(HBITMAP bitmapIn, COLORREF transparentIn, int outChoice);

    void SetTooltipText(const std::string& text, bool activate = true);

    bool IsFlat() const { return flat_; }
    bool IsFlatFocus() const { return flatFocus_; }
    int Align() const { return align_; }
    // What the tooltip says; empty when there is none.
    std::string TooltipText() const;

    bool IsMouseOver() const { return mouseOver_; }
    // Whether the button is the dialog's default push button just now.
    bool IsDefault() const { return default_; }
    HWND TooltipHandle() const { return tooltip_.Get(); }
    const ButtonImage& InImage() const { return imageIn_; }
    // The in image when no separate out image was given.
    const ButtonImage& OutImage() const { return imageOut_.Empty() ? imageIn_ : imageOut_; }

    // Where SetIcon and SetBitmaps load from; the program itself by default.
    void SetResourceModule(HINSTANCE module) { resourceModule_ = module; }

  private:
    struct OwnedWindowTraits {
        using Handle = HWND;
        static Handle Invalid() { return nullptr; }
        static void Close(Handle window) { ::DestroyWindow(window); }
    };

    static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

    void Unbind();
    void Repaint(bool repaint) const;
    void SetImages(ButtonImage in, ButtonImage out, int outChoice);
    void OnMouseMove(int x, int y, WPARAM keys);
    void OnMouseLeave();
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    void Draw(const DRAWITEMSTRUCT& item) const;
    void Paint(HDC dc, RECT rect, UINT itemState) const;
    const ButtonImage& ImageFor(bool disabled, bool highlighted) const;
    ButtonLayout Layout(HDC dc, const RECT& rect, bool pressed, bool focused,
                        const ButtonImage& image, const std::string& caption) const;
    // Fill, and the raised or pressed edge of a button that is not flat.
    void DrawFace(HDC dc, RECT face, bool pressed, COLORREF color) const;
    // The caption in its place, which LayOutButton worked out.
    void DrawCaption(HDC dc, const std::string& caption, RECT place, bool highlighted, bool focused,
                     bool disabled) const;

    HWND hwnd_ = nullptr;
    HWND parent_ = nullptr;
    HINSTANCE resourceModule_;
    bool flat_ = true;
    bool flatFocus_ = false;
    bool mouseOver_ = false;
    bool default_ = false;
    int align_ = kAlignImageLeft;
    ButtonColors colors_;
    ButtonImage imageIn_;
    ButtonImage imageOut_;  // empty: the in image shows in both states
    ButtonImage imageDisabled_;
    UniqueHandle<OwnedWindowTraits> tooltip_;
};

}  // namespace tarvik
