#include "charts/win32/graph_base_class.h"

namespace tarvik {

namespace {
// A window property rather than the user data, which the window and dialog bases own.
constexpr const char* kChainProperty = "TarvikGraphChain";
}  // namespace

void JoinGraphChain(HWND window, CGraphBaseClass* member) {
    SetPropA(window, kChainProperty, static_cast<HANDLE>(member));
}

void LeaveGraphChain(HWND window) {
    RemovePropA(window, kChainProperty);
}

std::vector<CGraphBaseClass*> GraphChainFrom(HWND start) {
    std::vector<CGraphBaseClass*> chain;
    for (HWND window = start; window; window = GetParent(window)) {
        if (auto* member = static_cast<CGraphBaseClass*>(GetPropA(window, kChainProperty))) {
            chain.push_back(member);
        }
    }
    return chain;
}

OwnedMenu BuildChainMenu(HWND start) {
    OwnedMenu menu(CreatePopupMenu());
    if (menu) {
        for (CGraphBaseClass* member : GraphChainFrom(start)) {
            member->AppendMenuItems(menu.Get());
        }
    }
    return menu;
}

bool PassChainCommand(HWND start, int id) {
    for (CGraphBaseClass* member : GraphChainFrom(start)) {
        if (member->OnMenuCommand(id)) {
            return true;
        }
    }
    return false;
}

}  // namespace tarvik
