#include "widgets/win32/hscroll_list_box.h"

#include <commctrl.h>

#include <vector>

#include "widgets/hscroll_extent.h"
#include "base/win32/gdi.h"

namespace tarvik {

namespace {
constexpr UINT_PTR kSubclassId = 0x4853;  // "HS"
}

CHScrollListBox::~CHScrollListBox() {
    Detach();
}

bool CHScrollListBox::SubclassDlgItem(int controlId, HWND dialog) {
    return Attach(GetDlgItem(dialog, controlId));
}

bool CHScrollListBox::Attach(HWND listBox) {
    if (!listBox || hwnd_) {
        return false;
    }
    if (!SetWindowSubclass(listBox, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = listBox;
    Recompute();
    return true;
}

void CHScrollListBox::Detach() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    }
    hwnd_ = nullptr;
}

LRESULT CALLBACK CHScrollListBox::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* box = reinterpret_cast<CHScrollListBox*>(self);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
            if (result >= 0) {
                box->Widen(static_cast<int>(result));
            }
            break;
        case LB_DELETESTRING:
        case LB_DIR:
            box->Recompute();
            break;
        case LB_RESETCONTENT:
            box->SetExtent(0);
            break;
        case WM_NCDESTROY:
            // The window goes before the object: forget it so the destructor leaves it alone.
            RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
            box->hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return result;
}

int CHScrollListBox::AddString(const std::string& text) {
    return static_cast<int>(
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CHScrollListBox::InsertString(int index, const std::string& text) {
    return static_cast<int>(SendMessageA(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                         reinterpret_cast<LPARAM>(text.c_str())));
}

int CHScrollListBox::DeleteString(int index) {
    return static_cast<int>(SendMessageA(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0));
}

void CHScrollListBox::ResetContent() {
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
}

int CHScrollListBox::Dir(UINT attributes, const std::string& wildcardPath) {
    return static_cast<int>(
        SendMessageA(hwnd_, LB_DIR, attributes, reinterpret_cast<LPARAM>(wildcardPath.c_str())));
}

int CHScrollListBox::GetCount() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0));
}

std::string CHScrollListBox::GetText(int index) const {
    const LRESULT length = SendMessageA(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(hwnd_, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int CHScrollListBox::HorizontalExtent() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0));
}

bool CHScrollListBox::HasTabStops() const {
    return (GetWindowLongA(hwnd_, GWL_STYLE) & LBS_USETABSTOPS) != 0;
}

int CHScrollListBox::MeasureItem(int index) const {
    const std::string text = GetText(index);
    const WindowDc dc(hwnd_);
    if (!dc) {
        return 0;
    }
    const SelectionGuard font(dc.Get(),
                              reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    const int length = static_cast<int>(text.size());
    if (HasTabStops()) {
        const DWORD size = GetTabbedTextExtentA(dc.Get(), text.c_str(), length, 0, nullptr);
        return ItemExtent(LOWORD(size), true);
    }
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), length, &size);
    return ItemExtent(size.cx, false);
}

void CHScrollListBox::Widen(int index) {
    SetExtent(ExtentAfterAdding(HorizontalExtent(), MeasureItem(index)));
}

void CHScrollListBox::Recompute() {
    std::vector<int> extents;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        extents.push_back(MeasureItem(i));
    }
    SetExtent(ExtentOverItems(extents));
}

void CHScrollListBox::SetExtent(int extent) {
    SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

}  // namespace tarvik
