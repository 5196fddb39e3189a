#include "app/win32/main_window.h"

#include <shellapi.h>

#include "base/format.h"
#include "app/win32/about_tab.h"
#include "app/win32/game_registry.h"
#include "app/win32/self_check.h"
#include "app/win32/skin_region.h"
#include "app/win32/window_geometry.h"
#include "bench/win32/custom_tab.h"
#include "bench/win32/main_tab.h"
#include "res/resource_ids.h"
#include "results/win32/results_tab.h"
#include "results/win32/settings_tab.h"
#include "results/win32/standard_tab.h"
#include "widgets/button_looks.h"
#include "widgets/win32/button_style.h"

namespace tarvik {

namespace {
// The skin is drawn for the dialog font's usual base units (6 by 13 pixels: "MS Sans Serif" 8 at
// 96 DPI). Where the font measures differently (Wine's substitutes), the window still takes the
// skin's size and its controls the places the skin was drawn for.
constexpr int kSkinBaseX = 6;
constexpr int kSkinBaseY = 13;
}  // namespace

Cmainsheet::Cmainsheet(AppState& state, CSelfXResource& helpFile, Prompt& prompt, bool imageIntact)
    : Dialog(IDD_MAIN_WINDOW),
      state_(state),
      helpFile_(helpFile),
      prompt_(prompt),
      imageIntact_(imageIntact),
      region_(CreateSkinRegion(ResourceModule(), IDB_SKIN)),
      skin_(LoadBitmapA(ResourceModule(), MAKEINTRESOURCEA(IDB_SKIN))) {
    const PageContext context{state_, *this, prompt_};
    pages_.push_back(std::make_unique<Cmain>(context));
    pages_.push_back(std::make_unique<Cstandbench>(context));
    pages_.push_back(std::make_unique<Cbench>(context));
    pages_.push_back(std::make_unique<Csettings>(context));
    pages_.push_back(std::make_unique<Cresults>(context));
    pages_.push_back(std::make_unique<Ccredits>(context));
}

Cmainsheet::~Cmainsheet() {
    if (region_) {
        DeleteObject(region_);
    }
    if (skin_) {
        DeleteObject(skin_);
    }
}

BOOL Cmainsheet::OnInit() {
    help_.SubclassDlgItem(IDC_HELP_BUTTON, Handle());
    minimize_.SubclassDlgItem(IDC_MINIMIZE_BUTTON, Handle());
    close_.SubclassDlgItem(IDC_CLOSE_BUTTON, Handle());
    exit_.SubclassDlgItem(IDC_EXIT, Handle());

    FitToSkin();
    if (region_ && SetWindowRgn(Handle(), region_, TRUE)) {
        region_ = nullptr;  // the window owns it now
    }
    SetUpButtons();

    SetIcons(LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IDI_TARVIK)));

    if (!FindGame()) {
        return TRUE;
    }
    if (!imageIntact_) {
        prompt_.Show(kDamagedImageMessage, "Tarvik !");
        CloseAtOnce();
        return TRUE;
    }
    SetWindowTextA(Handle(), "Tarvik");
    CreateTabSet();
    return TRUE;
}

void Cmainsheet::FitToSkin() {
    if (!skin_) {
        return;
    }
    BITMAP info{};
    GetObjectA(skin_, sizeof(info), &info);
    ResizeAndCentre(Handle(), info.bmWidth, info.bmHeight);
    // What one base unit measures with the dialog's font here.
    RECT unit{0, 0, 4, 8};
    MapDialogRect(Handle(), &unit);
    if (unit.right <= 0 || unit.bottom <= 0) {
        return;
    }
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(child, nullptr, MulDiv(place.left, kSkinBaseX, unit.right),
                     MulDiv(place.top, kSkinBaseY, unit.bottom),
                     MulDiv(place.right - place.left, kSkinBaseX, unit.right),
                     MulDiv(place.bottom - place.top, kSkinBaseY, unit.bottom),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Cmainsheet::SetUpButtons() {
    StyleButton(exit_, IDC_EXIT, Handle(), ExitButtonLook(IDI_EXIT, "Close Tarvik"));
    StyleButton(close_, IDC_CLOSE_BUTTON, Handle(), TitleBarButtonLook(IDB_CLOSE, "Close Tarvik"));
    StyleButton(minimize_, IDC_MINIMIZE_BUTTON, Handle(),
                TitleBarButtonLook(IDB_MINIMIZE, "Minimize Tarvik"));
    StyleButton(help_, IDC_HELP_BUTTON, Handle(), TitleBarButtonLook(IDB_HELP, "Get Some Help"));
}

bool Cmainsheet::FindGame() {
    const GameLocation location = FindGameInRegistry();
    if (!location.found) {
        prompt_.Show(location.error, location.errorCaption);
        CloseAtOnce();
        return false;
    }
    state_.gameFolder = location.gameFolder;
    state_.isDemo = location.isDemo;
    return true;
}

void Cmainsheet::CloseAtOnce() {
    PostMessageA(Handle(), WM_COMMAND, IDCANCEL, 0);
}

void Cmainsheet::CreateTabSet() {
    std::vector<PropertyPage*> pages;
    for (auto& page : pages_) {
        pages.push_back(page.get());
    }
    if (!tabs_.Create(Handle(), pages)) {
        return;
    }
    // The sheet's top-left corner goes on the invisible frame's.
    RECT frame;
    GetWindowRect(Item(IDC_TAB_FRAME), &frame);
    POINT corner{frame.left, frame.top};
    ScreenToClient(Handle(), &corner);
    SetWindowPos(tabs_.Handle(), nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tabs_.ShowPage(kPageMain);
}

void Cmainsheet::ShowPage(int index) {
    tabs_.ShowPage(index);
}

bool Cmainsheet::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_CLOSE_BUTTON:
            EndDialog(IDCANCEL);
            return true;
        case IDC_MINIMIZE_BUTTON:
            ShowWindow(Handle(), SW_MINIMIZE);
            return true;
        case IDC_HELP_BUTTON:
            OpenHelp();
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

// Failures are not reported. When the earlier copy cannot be replaced (the help viewer may hold
// it), that copy is opened again.
void Cmainsheet::OpenHelp() {
    const std::string path = Format("%s\\tarvikhelp.chm", state_.gameFolder.c_str());
    helpFile_.Extract(path);
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool Cmainsheet::OnEraseBackground(HDC dc) {
    if (!skin_) {
        return false;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, skin_);
    BITMAP info{};
    GetObjectA(skin_, sizeof(info), &info);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return true;
}

// Every visible point that is not a control moves the window.
bool Cmainsheet::OnHitTest(POINT, LRESULT& hit) {
    hit = HTCAPTION;
    return true;
}

void Cmainsheet::OnDestroy() {
    helpFile_.Discard();
}

}  // namespace tarvik
