#pragma once
// The About tab: the sponsor's banner, the credits with their links, and the button that opens
// the program-information box.
#include <windows.h>

#include <string>
#include <utility>

#include "app/app_state.h"
#include "base/win32/gdi.h"
#include "base/win32/property_page.h"
#include "widgets/win32/button_st.h"
#include "widgets/win32/hyperlink.h"
#include "widgets/win32/link_opener.h"

namespace tarvik {

class Ccredits : public PropertyPage {
  public:
    explicit Ccredits(const PageContext& context);

    // Replaces the shell for the banner and the links; the opener must outlive the page.
    void SetOpener(LinkOpener& opener);
    // Where the banner's hand cursor is loaded from when the page opens (the system's help
    // viewer by default).
    void SetHelpViewerPath(std::string path) { helpViewerPath_ = std::move(path); }

    const CButtonST& InfoButton() const { return info_; }
    // The link bound to that control, or null for any other id.
    const CHyperLink* Link(int controlId) const;
    // Null when the help viewer had none: the banner then shows the program's own.
    HCURSOR HandCursor() const { return handCursor_.Get(); }

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSetCursor(HWND window, int hitTest, UINT mouseMessage) override;

  private:
    void OpenSponsor();
    void ShowProgramInfo();

    PageContext context_;
    ShellLinkOpener shell_;
    LinkOpener* opener_ = &shell_;
    std::string helpViewerPath_;
    OwnedIcon handCursor_;
    CButtonST info_;
    CHyperLink developer_;
    CHyperLink designer_;
    CHyperLink hosting_;
};

}  // namespace tarvik
