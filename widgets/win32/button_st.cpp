#include "widgets/win32/button_st.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "base/win32/controls.h"
#include "base/win32/gdi.h"
#include "base/win32/message_params.h"
#include "base/win32/tooltip.h"

namespace tarvik {

namespace {

constexpr UINT kCaptionFormat = DT_CENTER | DT_WORDBREAK;
// Room for the longest tooltip the program gives (the control truncates to the size it is told).
constexpr int kTooltipTextCapacity = 256;

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

RECT RectOf(const PixelRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
PixelRect PixelRectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

}  // namespace

// ---- CButtonST ----

CButtonST::CButtonST()
    : resourceModule_(GetModuleHandleA(nullptr)),
      colors_(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)) {}

CButtonST::~CButtonST() {
    if (hwnd_ && IsWindow(hwnd_)) {
        // The window outlives us: hand it back as an ordinary push button so it still draws.
        const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
        SetWindowLongPtrA(hwnd_, GWL_STYLE,
                          (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) |
                              (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    Unbind();
}

bool CButtonST::SubclassDlgItem(int controlId, HWND dialog) {
    HWND button = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    if (hwnd_ || !button) {
        return false;
    }
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    // An owner-drawn button forgets that it was the default one; remember it here.
    default_ = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const auto id = reinterpret_cast<UINT_PTR>(this);
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    if (!SetWindowSubclass(dialog, ParentProc, id, self)) {
        return false;
    }
    if (!SetWindowSubclass(button, ButtonProc, id, self)) {
        RemoveWindowSubclass(dialog, ParentProc, id);
        return false;
    }
    hwnd_ = button;
    parent_ = dialog;
    SetWindowLongPtrA(button, GWL_STYLE,
                      (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    Repaint(true);
    return true;
}

void CButtonST::Unbind() {
    const auto id = reinterpret_cast<UINT_PTR>(this);
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, ButtonProc, id);
    }
    if (parent_) {
        RemoveWindowSubclass(parent_, ParentProc, id);
    }
    tooltip_.Reset();
    hwnd_ = nullptr;
    parent_ = nullptr;
    mouseOver_ = false;
}

void CButtonST::Repaint(bool repaint) const {
    if (repaint && hwnd_) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void CButtonST::SetFlat(bool flat, bool repaint) {
    flat_ = flat;
    if (!flat_) {
        mouseOver_ = false;
    }
    Repaint(repaint);
}

void CButtonST::SetFlatFocus(bool on, bool repaint) {
    flatFocus_ = on;
    Repaint(repaint);
}

int CButtonST::SetAlign(int align, bool repaint) {
    if (!IsValidAlign(align)) {
        return kButtonBadAlign;
    }
    align_ = align;
    Repaint(repaint);
    return kButtonOk;
}

int CButtonST::SetColor(int index, COLORREF color, bool repaint) {
    const int result = colors_.Set(index, color);
    if (result == kButtonOk) {
        Repaint(repaint);
    }
    return result;
}

int CButtonST::OffsetColor(int index, int shade, bool repaint) {
    const int result = colors_.Offset(index, shade);
    if (result == kButtonOk) {
        Repaint(repaint);
    }
    return result;
}

COLORREF CButtonST::GetColor(int index) const {
    return colors_.Get(index);
}

bool CButtonST::SetIcon(int iconIn, int iconOut) {
    const auto load = [this](int id) {
        return static_cast<HICON>(
            LoadImageA(resourceModule_, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    };
    HICON in = load(iconIn);
    HICON out = iconOut > 0 ? load(iconOut) : nullptr;
    if (iconOut > 0) {
        SetIconHandles(in, out);
    } else {
        SetIconHandles(in, iconOut);
    }
    return in && (iconOut <= 0 || out);
}

bool CButtonST::SetBitmaps(int bitmapIn, COLORREF transparentIn, int bitmapOut,
                           COLORREF transparentOut) {
    const auto load = [this](int id) {
        return static_cast<HBITMAP>(
            LoadImageA(resourceModule_, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    };
    HBITMAP in = load(bitmapIn);
    HBITMAP out = bitmapOut > 0 ? load(bitmapOut) : nullptr;
    if (bitmapOut > 0) {
        SetBitmapHandles(in, transparentIn, out, transparentOut);
    } else {
        SetBitmapHandles(in, transparentIn, bitmapOut);
    }
    return in && (bitmapOut <= 0 || out);
}

void CButtonST::SetIconHandles(HICON iconIn, HICON iconOut) {
    SetImages(ButtonImage::FromIcon(iconIn), ButtonImage::FromIcon(iconOut), kIconNone);
}

void CButtonST::SetIconHandles(HICON iconIn, int outChoice) {
    SetImages(ButtonImage::FromIcon(iconIn), {}, outChoice);
}

void CButtonST::SetBitmapHandles(HBITMAP bitmapIn, COLORREF transparentIn, HBITMAP bitmapOut,
                                 COLORREF transparentOut) {
    SetImages(ButtonImage::FromBitmap(bitmapIn, transparentIn),
              ButtonImage::FromBitmap(bitmapOut, transparentOut), kIconNone);
}

void CButtonST::SetBitmapHandles(HBITMAP bitmapIn, COLORREF transparentIn, int outChoice) {
    SetImages(ButtonImage::FromBitmap(bitmapIn, transparentIn), {}, outChoice);
}

void CButtonST::SetImages(ButtonImage in, ButtonImage out, int outChoice) {
    imageIn_ = std::move(in);
    if (outChoice == kIconGrey) {
        imageOut_ = imageIn_.GreyCopy();
    } else if (outChoice == kIconDarker) {
        imageOut_ = imageIn_.DarkerCopy();
    } else {
        imageOut_ = std::move(out);
    }
    imageDisabled_ = imageIn_.GreyCopy();
    Repaint(true);
}

void CButtonST::SetTooltipText(const std::string& text, bool activate) {
    if (!hwnd_) {
        return;
    }
    const bool first = !tooltip_;
    if (first) {
        tooltip_.Reset(CreateTooltipWindow(hwnd_));
        if (!tooltip_) {
            return;
        }
    }
    std::string buffer = text;  // the control copies the text; the API wants it writable
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    // The whole button is the tool, and the tooltip watches its mouse messages itself.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = buffer.data();
    SendMessageA(tooltip_.Get(), first ? TTM_ADDTOOLA : TTM_UPDATETIPTEXTA, 0,
                 reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_.Get(), TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

std::string CButtonST::TooltipText() const {
    if (!tooltip_) {
        return {};
    }
    char buffer[kTooltipTextCapacity] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = buffer;
    SendMessageA(tooltip_.Get(), TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

// ---- messages ----

LRESULT CALLBACK CButtonST::ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
    auto* button = reinterpret_cast<CButtonST*>(self);
    switch (message) {
        case WM_MOUSEMOVE: {
            const POINT at = PointFromParam(lParam);
            button->OnMouseMove(at.x, at.y, wParam);
            break;
        }
        case WM_MOUSELEAVE:
            button->OnMouseLeave();
            break;
        case WM_LBUTTONDBLCLK:
            // An owner-drawn button reports a quick second click as a double click only;
            // make it a press like the first.
            return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wParam, lParam);
        case WM_ERASEBKGND:
            return TRUE;  // the drawing covers every pixel
        case WM_GETDLGCODE: {
            // Answer as a push button, so the dialog manager moves the default to us and
            // Enter presses us.
            LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
            code &= ~static_cast<LRESULT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
            return code | DLGC_BUTTON |
                   (button->default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        }
        case BM_SETSTYLE:
            return button->OnSetStyle(wParam, lParam);
        case WM_NCDESTROY:
            button->Unbind();
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CButtonST::ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self) {
    auto* button = reinterpret_cast<CButtonST*>(self);
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType == ODT_BUTTON && item->hwndItem == button->hwnd_) {
            button->Draw(*item);
            return TRUE;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, ParentProc, id);
        button->parent_ = nullptr;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void CButtonST::OnMouseMove(int x, int y, WPARAM keys) {
    // A button held down elsewhere and dragged over us does not light up.
    if (!flat_ || ((keys & MK_LBUTTON) && !mouseOver_)) {
        return;
    }
    POINT point{x, y};
    ClientToScreen(hwnd_, &point);
    const bool over = WindowFromPoint(point) == hwnd_;
    if (over == mouseOver_) {
        return;
    }
    mouseOver_ = over;
    Repaint(true);
    if (over) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
    }
}

void CButtonST::OnMouseLeave() {
    if (mouseOver_) {
        mouseOver_ = false;
        Repaint(true);
    }
}

LRESULT CButtonST::OnSetStyle(WPARAM style, LPARAM redraw) {
    default_ = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const WPARAM kept = (style & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    return DefSubclassProc(hwnd_, BM_SETSTYLE, kept, redraw);
}

// ---- drawing ----

void CButtonST::Draw(const DRAWITEMSTRUCT& item) const {
    const RECT& rect = item.rcItem;
    MemoryCanvas canvas(item.hDC, Width(rect), Height(rect));
    if (!canvas) {
        Paint(item.hDC, rect, item.itemState);
        return;
    }
    Paint(canvas.Dc(), RECT{0, 0, Width(rect), Height(rect)}, item.itemState);
    canvas.CopyTo(item.hDC, rect.left, rect.top);
}

void CButtonST::Paint(HDC dc, RECT rect, UINT itemState) const {
    const bool pressed = (itemState & ODS_SELECTED) != 0 || Button(hwnd_).IsChecked();
    const bool focused = (itemState & ODS_FOCUS) != 0;
    const bool disabled = (itemState & ODS_DISABLED) != 0;
    const bool highlighted = mouseOver_ || pressed;
    const ButtonImage& image = ImageFor(disabled, highlighted);
    const std::string caption = WindowText(hwnd_);
    SavedDcState saved(dc);
    SelectionGuard font(dc, Control(hwnd_).Font());
    const ButtonLayout layout = Layout(dc, rect, pressed, focused, image, caption);

    if (layout.frame) {
        FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    DrawFace(dc, RectOf(layout.face), pressed, colors_.Get(BackgroundSlot(highlighted, focused)));
    if (!image.Empty()) {
        image.Draw(dc, layout.image.x, layout.image.y);
    }
    if (!caption.empty()) {
        DrawCaption(dc, caption, RectOf(layout.caption), highlighted, focused, disabled);
    }
    if (layout.focusRect) {
        RECT focus = RectOf(layout.focus);
        // The dotted pattern is monochrome: these colours make it a clean invert.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

const ButtonImage& CButtonST::ImageFor(bool disabled, bool highlighted) const {
    if (disabled && !imageDisabled_.Empty()) {
        return imageDisabled_;
    }
    return highlighted ? imageIn_ : OutImage();
}

ButtonLayout CButtonST::Layout(HDC dc, const RECT& rect, bool pressed, bool focused,
                               const ButtonImage& image, const std::string& caption) const {
    ButtonLayoutInput input;
    input.bounds = PixelRectOf(rect);
    input.flat = flat_;
    input.flatFocus = flatFocus_;
    input.focused = focused;
    input.isDefault = default_;
    input.pressed = pressed;
    input.align = align_;
    input.hasImage = !image.Empty();
    input.imageWidth = image.Size().cx;
    input.imageHeight = image.Size().cy;
    input.hasCaption = !caption.empty();
    // Measured with the button's font, which the caller has selected.
    return LayOutButton(input, [&](const PixelRect& area) {
        RECT measured = RectOf(area);
        DrawTextA(dc, caption.c_str(), -1, &measured, kCaptionFormat | DT_CALCRECT);
        return Height(measured);
    });
}

void CButtonST::DrawFace(HDC dc, RECT face, bool pressed, COLORREF color) const {
    GdiBrush fill(CreateSolidBrush(color));
    FillRect(dc, &face, fill.Get());
    if (flat_) {
        return;
    }
    if (pressed) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_3DSHADOW));
    } else {
        DrawEdge(dc, &face, EDGE_RAISED, BF_RECT);
    }
}

void CButtonST::DrawCaption(HDC dc, const std::string& caption, RECT place, bool highlighted,
                            bool focused, bool disabled) const {
    SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        // Engraved: the highlight one pixel down-right of the shadow.
        OffsetRect(&place, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(dc, caption.c_str(), -1, &place, kCaptionFormat);
        OffsetRect(&place, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        DrawTextA(dc, caption.c_str(), -1, &place, kCaptionFormat);
        return;
    }
    SetTextColor(dc, colors_.Get(CaptionSlot(highlighted, focused)));
    DrawTextA(dc, caption.c_str(), -1, &place, kCaptionFormat);
}

}  // namespace tarvik
