#include "app/win32/about_tab.h"

#include "app/about_credits.h"
#include "app/win32/about_box.h"
#include "base/prompt.h"
#include "res/resource_ids.h"
#include "widgets/button_looks.h"
#include "widgets/hyperlink_text.h"
#include "widgets/win32/button_style.h"
#include "widgets/win32/hand_cursor.h"

namespace tarvik {

Ccredits::Ccredits(const PageContext& context)
    : PropertyPage(IDD_PAGE_ABOUT),
      context_(context),
      helpViewerPath_(HelpViewerPath()),
      developer_(context.prompt),
      designer_(context.prompt),
      hosting_(context.prompt) {}

void Ccredits::SetOpener(LinkOpener& opener) {
    opener_ = &opener;
    for (CHyperLink* link : {&developer_, &designer_, &hosting_}) {
        link->SetOpener(opener);
    }
}

const CHyperLink* Ccredits::Link(int controlId) const {
    switch (controlId) {
        case IDC_ABOUT_DEVELOPER_LINK:
            return &developer_;
        case IDC_ABOUT_DESIGNER_LINK:
            return &designer_;
        case IDC_ABOUT_HOSTING_LINK:
            return &hosting_;
        default:
            return nullptr;
    }
}

BOOL Ccredits::OnInit() {
    ButtonStyle info = TwoToneIconLook(IDI_INFO, kProgramInfoTooltip, kColorNavy);
    info.align = kAlignImageRight;
    StyleButton(info_, IDC_ABOUT_INFO, Handle(), info);

    handCursor_ = HelpViewerHandCursor(helpViewerPath_);

    const std::string resultsSite = ResultsSiteAddress();
    const struct {
        int id;
        CHyperLink& link;
        std::string address;
    } links[] = {
        {IDC_ABOUT_DEVELOPER_LINK, developer_, kDeveloperAddress},
        {IDC_ABOUT_DESIGNER_LINK, designer_, resultsSite},
        {IDC_ABOUT_HOSTING_LINK, hosting_, resultsSite},
    };
    for (const auto& entry : links) {
        // Given before binding, so a link shows a hand even where the help viewer has none.
        entry.link.SetFallbackCursor(ResourceModule(), IDC_HAND_CURSOR);
        entry.link.SubclassDlgItem(entry.id, Handle());
        entry.link.SetURL(entry.address);
    }
    return TRUE;
}

bool Ccredits::OnCommand(int id, int code, HWND control) {
    if (id == IDC_ABOUT_BANNER && code == STN_CLICKED) {
        OpenSponsor();
        return true;
    }
    if (id == IDC_ABOUT_INFO && code == BN_CLICKED) {
        ShowProgramInfo();
        return true;
    }
    return PropertyPage::OnCommand(id, code, control);
}

bool Ccredits::OnSetCursor(HWND, int, UINT) {
    // The banner's whole window counts, whichever window the system asks about.
    RECT banner{};
    POINT pointer{};
    if (!GetWindowRect(Item(IDC_ABOUT_BANNER), &banner) || !GetCursorPos(&pointer) ||
        !PtInRect(&banner, pointer)) {
        return false;
    }
    HCURSOR cursor = handCursor_ ? handCursor_.Get()
                                 : LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    if (!cursor) {
        return false;
    }
    SetCursor(cursor);
    return true;
}

void Ccredits::OpenSponsor() {
    const int result = opener_->ShellOpen(kSponsorAddress);
    if (result <= kLastOpenFailure) {
        MessageBeep(MB_ICONEXCLAMATION);
        context_.prompt.ShowWithIcon(OpenFailureMessage(result), kLinkFailureCaption,
                                     PromptIcon::Exclamation);
    }
}

void Ccredits::ShowProgramInfo() {
    CAboutDlg box;
    box.DoModal(Handle());
}

}  // namespace tarvik
