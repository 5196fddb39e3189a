#pragma once
// A page of a property sheet: a Dialog that also hears when it becomes or stops being the
// active page.
#include "base/win32/dialog.h"

namespace tarvik {

class PropertyPage : public Dialog {
  public:
    // The description the property sheet creates the page from; its tab shows the template's
    // caption.
    PROPSHEETPAGEA Describe();

  protected:
    explicit PropertyPage(int templateId) : Dialog(templateId) {}

    virtual void OnSetActive() {}
    virtual void OnKillActive() {}

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace tarvik
