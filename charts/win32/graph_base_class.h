#pragma once
// The chain the graph window's parts form from the panel up to the graph window: each adds its
// part of the context menu and its property pages, and hears the commands chosen.
#include <windows.h>
#include <prsht.h>

#include <vector>

#include "base/win32/handles.h"

namespace tarvik {

class CGraphBaseClass {
  public:
    virtual ~CGraphBaseClass() = default;
    virtual void AppendMenuItems(HMENU) {}
    // True when the command was this member's.
    virtual bool OnMenuCommand(int) { return false; }
    virtual void AppendPropertyPages(std::vector<HPROPSHEETPAGE>&) {}
    // Applies the pages when the sheet answered OK, frees them in any case.
    virtual void ReleasePropertyPages(INT_PTR) {}
};

// A window joins the chain for as long as it lives; windows that did not join are passed over.
void JoinGraphChain(HWND window, CGraphBaseClass* member);
void LeaveGraphChain(HWND window);

// The members from `start` up through its parents, nearest first.
std::vector<CGraphBaseClass*> GraphChainFrom(HWND start);

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle menu) { ::DestroyMenu(menu); }
};
using OwnedMenu = UniqueHandle<MenuTraits>;

// A popup menu filled by the chain from `start` up.
OwnedMenu BuildChainMenu(HWND start);
// Passes the command up the chain until one member takes it.
bool PassChainCommand(HWND start, int id);

}  // namespace tarvik
