#include "widgets/win32/hyperlink.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win32/controls.h"
#include "base/win32/message_params.h"
#include "base/win32/tooltip.h"
#include "widgets/hyperlink_text.h"
#include "widgets/win32/hand_cursor.h"

namespace tarvik {

namespace {

constexpr UINT_PTR kSubclassId = 0x484C;  // "HL"
constexpr UINT_PTR kHoverTimerId = 100;
constexpr UINT kHoverTimerMilliseconds = 100;
// The tooltip has one tool: the whole client area.
constexpr UINT_PTR kToolId = 1;
// Room for the longest target read back from the tooltip.
constexpr int kTooltipTextCapacity = 2048;
// Repainting on leave reaches a little below the text, where an underline hangs.
constexpr int kLeaveRepaintMargin = 10;

LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrA(window, GWL_STYLE);
}

LinkAlign AlignOfStatic(LONG_PTR style) {
    LinkAlign align;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            align.horizontal = LinkHorizontalAlign::Centre;
            break;
        case SS_RIGHT:
            align.horizontal = LinkHorizontalAlign::Right;
            break;
        default:
            break;
    }
    align.centredVertically = (style & SS_CENTERIMAGE) != 0;
    return align;
}

// DrawText flags that lay the text out as the static itself would.
UINT DrawFormatOfStatic(LONG_PTR style) {
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            format |= DT_CENTER;
            break;
        case SS_RIGHT:
            format |= DT_RIGHT;
            break;
        default:
            break;
    }
    if (style & SS_CENTERIMAGE) {
        format |= DT_SINGLELINE | DT_VCENTER;
    } else if ((style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) {
        format |= DT_WORDBREAK;
    }
    if (style & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    return format;
}

// The control's font, else the default GUI font, else the system font.
HFONT BaseFontOf(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!font) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    if (!font) {
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    return font;
}

TTTOOLINFOA ToolOf(HWND control, char* text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;  // the tooltip watches the link's mouse messages itself
    tool.hwnd = control;
    tool.uId = kToolId;
    GetClientRect(control, &tool.rect);
    tool.lpszText = text;
    return tool;
}

}  // namespace

// ---- binding ----

CHyperLink::CHyperLink(Prompt& prompt) : prompt_(prompt), underline_(kUnderlineHover) {}

CHyperLink::~CHyperLink() {
    Unbind();
}

bool CHyperLink::SubclassDlgItem(int controlId, HWND dialog) {
    HWND control = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    if (hwnd_ || !control) {
        return false;
    }
    if (!SetWindowSubclass(control, LinkProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = control;
    // Without it a static lets the mouse through to its parent.
    SetWindowLongPtrA(control, GWL_STYLE, StyleOf(control) | SS_NOTIFY);
    if (target_.empty()) {
        target_ = Control(control).Text();
    }
    if (Control(control).Text().empty()) {
        SetWindowTextA(control, target_.c_str());
    }
    MakeFonts();
    FitToText();
    LoadLinkCursor();
    ApplyFont();
    CreateTooltip();
    return true;
}

void CHyperLink::Unbind() {
    if (!hwnd_) {
        return;
    }
    KillTimer(hwnd_, kHoverTimerId);
    // The control outlives us: it must not keep a font that goes with this object.
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(originalFont_), FALSE);
    InvalidateRect(hwnd_, nullptr, TRUE);
    Forget();
}

void CHyperLink::Forget() {
    RemoveWindowSubclass(hwnd_, LinkProc, kSubclassId);
    tooltip_.Reset();
    hwnd_ = nullptr;
    over_ = false;
}

void CHyperLink::MakeFonts() {
    originalFont_ = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    LOGFONTA face{};
    GetObjectA(BaseFontOf(hwnd_), sizeof(face), &face);
    face.lfUnderline = FALSE;
    plainFont_.Reset(CreateFontIndirectA(&face));
    face.lfUnderline = TRUE;
    underlinedFont_.Reset(CreateFontIndirectA(&face));
}

bool CHyperLink::IsUnderlined() const {
    return underline_ == kUnderlineAlways || (underline_ == kUnderlineHover && over_);
}

void CHyperLink::ApplyFont() {
    const GdiFont& font = IsUnderlined() ? underlinedFont_ : plainFont_;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
}

void CHyperLink::FitToText() {
    if (!hwnd_ || !autoSize_) {
        return;
    }
    RECT window{};
    GetWindowRect(hwnd_, &window);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&window), 2);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // A border, if the static has one, stays around the text.
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;

    const std::string text = Control(hwnd_).Text();
    SIZE extent{};
    {
        const WindowDc dc(hwnd_);
        if (!dc) {
            return;
        }
        const SelectionGuard font(dc.Get(), underlinedFont_.Get());
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const PixelRect fitted =
        FitLinkRect({window.left, window.top, window.right, window.bottom}, extent.cx + frameWidth,
                    extent.cy + frameHeight, AlignOfStatic(StyleOf(hwnd_)));
    SetWindowPos(hwnd_, nullptr, fitted.left, fitted.top, fitted.Width(), fitted.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CHyperLink::LoadLinkCursor() {
    if (cursor_) {
        return;
    }
    cursor_ = HelpViewerHandCursor(HelpViewerPath());
    if (!cursor_) {
        cursor_ = CopiedCursor(fallbackCursorModule_, fallbackCursorId_);
    }
}

void CHyperLink::SetFallbackCursor(HINSTANCE module, int cursorId) {
    fallbackCursorModule_ = module;
    fallbackCursorId_ = cursorId;
    if (hwnd_) {
        LoadLinkCursor();
    }
}

void CHyperLink::CreateTooltip() {
    tooltip_.Reset(CreateTooltipWindow(hwnd_));
    if (!tooltip_) {
        return;
    }
    std::string text = target_;  // the control copies the text; the API wants it writable
    TTTOOLINFOA tool = ToolOf(hwnd_, text.data());
    SendMessageA(tooltip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_.Get(), TTM_ACTIVATE, TRUE, 0);
}

void CHyperLink::UpdateTooltip() {
    if (!tooltip_) {
        return;
    }
    std::string text = target_;
    TTTOOLINFOA tool = ToolOf(hwnd_, text.data());
    SendMessageA(tooltip_.Get(), TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string CHyperLink::TooltipText() const {
    if (!tooltip_) {
        return {};
    }
    char buffer[kTooltipTextCapacity] = {};
    TTTOOLINFOA tool = ToolOf(hwnd_, buffer);
    SendMessageA(tooltip_.Get(), TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

// ---- what the tabs set ----

void CHyperLink::SetURL(const std::string& target) {
    target_ = target;
    if (hwnd_) {
        FitToText();
        UpdateTooltip();
    }
}

void CHyperLink::SetVisited(bool visited) {
    visited_ = visited;
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void CHyperLink::SetUnderline(int mode) {
    if (mode == underline_) {
        return;
    }
    underline_ = mode;
    if (hwnd_) {
        ApplyFont();
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void CHyperLink::SetAutoSize(bool fit) {
    autoSize_ = fit;
    FitToText();
}

// ---- looks ----

COLORREF CHyperLink::TextColor() const {
    if (over_) {
        return kHoverLinkColor;
    }
    return visited_ ? kVisitedLinkColor : kLinkColor;
}

void CHyperLink::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const std::string text = Control(hwnd_).Text();
    const SavedDcState saved(dc);
    const SelectionGuard font(dc, (IsUnderlined() ? underlinedFont_ : plainFont_).Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColor());
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DrawFormatOfStatic(StyleOf(hwnd_)));
}

// ---- the mouse ----

void CHyperLink::OnMouseMove() {
    if (over_) {
        return;
    }
    over_ = true;
    ApplyFont();
    InvalidateRect(hwnd_, nullptr, FALSE);
    SetTimer(hwnd_, kHoverTimerId, kHoverTimerMilliseconds, nullptr);
}

void CHyperLink::OnHoverTimer() {
    POINT at = PointFromParam(static_cast<LPARAM>(GetMessagePos()));
    ScreenToClient(hwnd_, &at);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (PtInRect(&client, at)) {
        return;
    }
    over_ = false;
    KillTimer(hwnd_, kHoverTimerId);
    ApplyFont();
    client.bottom += kLeaveRepaintMargin;
    InvalidateRect(hwnd_, &client, FALSE);
}

void CHyperLink::FollowLink() {
    over_ = false;
    const int result = OpenWithFallback();
    if (result > kLastOpenFailure) {
        SetVisited(true);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    prompt_.ShowWithIcon(OpenFailureMessage(result), kLinkFailureCaption, PromptIcon::Exclamation);
}

int CHyperLink::OpenWithFallback() {
    const int result = opener_->ShellOpen(target_);
    if (result > kLastOpenFailure) {
        return result;
    }
    // No association for the target itself: hand it to whatever opens web pages.
    std::string htmClass;
    std::string command;
    if (!opener_->ReadClassesRootValue(".htm", htmClass) ||
        !opener_->ReadClassesRootValue(BrowserCommandKey(htmClass), command)) {
        return result;
    }
    return opener_->Run(BrowserCommandLine(command, target_));
}

// ---- messages ----

LRESULT CALLBACK CHyperLink::LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
    auto* link = reinterpret_cast<CHyperLink*>(self);
    switch (message) {
        case WM_PAINT: {
            const PaintDc dc(hwnd);
            link->Paint(dc.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            link->Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return TRUE;  // the painting fills the background itself
        case WM_MOUSEMOVE:
            link->OnMouseMove();
            break;
        case WM_TIMER:
            if (wParam == kHoverTimerId) {
                link->OnHoverTimer();
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (link->cursor_) {
                SetCursor(link->cursor_.Get());
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN: {
            // The static tells its parent first (STN_CLICKED), as it would without the link.
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            link->FollowLink();
            return result;
        }
        case WM_NCDESTROY:
            // The window goes before the object; its timer and tooltip go with it.
            link->Forget();
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace tarvik
