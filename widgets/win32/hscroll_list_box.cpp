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
    if (!listBox || Handle()) {
        return false;
    }
    if (!SetWindowSubclass(listBox, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    Bind(listBox);
    Recompute();
    return true;
}

void CHScrollListBox::Detach() {
    if (Handle() && IsWindow(Handle())) {
        RemoveWindowSubclass(Handle(), SubclassProc, kSubclassId);
    }
    Bind(nullptr);
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
            box->SetHorizontalExtent(0);
            break;
        case WM_NCDESTROY:
            // The window goes before the object: forget it so the destructor leaves it alone.
            RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
            box->Bind(nullptr);
            break;
        default:
            break;
    }
    return result;
}

bool CHScrollListBox::HasTabStops() const {
    return (GetWindowLongA(Handle(), GWL_STYLE) & LBS_USETABSTOPS) != 0;
}

int CHScrollListBox::MeasureItem(int index) const {
    const std::string text = Text(index);
    const WindowDc dc(Handle());
    if (!dc) {
        return 0;
    }
    const SelectionGuard font(dc.Get(), Font());
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
    SetHorizontalExtent(ExtentAfterAdding(HorizontalExtent(), MeasureItem(index)));
}

void CHScrollListBox::Recompute() {
    std::vector<int> extents;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        extents.push_back(MeasureItem(i));
    }
    SetHorizontalExtent(ExtentOverItems(extents));
}

}  // namespace tarvik
