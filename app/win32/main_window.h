#pragma once
// The program's one window: borderless, shaped by the skin picture, holding the six-page tab
// set and four image buttons.
#include <memory>
#include <vector>

#include "app/app_state.h"
#include "base/prompt.h"
#include "base/win32/dialog.h"
#include "base/win32/self_resource.h"
#include "app/win32/tab_set.h"
#include "widgets/win32/button_st.h"

namespace tarvik {

class Cmainsheet : public Dialog, public PageSwitcher {
  public:
    // imageIntact: whether the program's own file passed its check at start-up.
    Cmainsheet(AppState& state, CSelfXResource& helpFile, Prompt& prompt, bool imageIntact);
    ~Cmainsheet() override;

    void ShowPage(int index) override;
    const TabSet& Tabs() const { return tabs_; }

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnEraseBackground(HDC dc) override;
    bool OnHitTest(POINT screen, LRESULT& hit) override;
    void OnDestroy() override;

  private:
    void FitToSkin();
    void SetUpButtons();
    bool FindGame();
    void CreateTabSet();
    void OpenHelp();
    // Closes the window as soon as it has opened.
    void CloseAtOnce();

    AppState& state_;
    CSelfXResource& helpFile_;
    Prompt& prompt_;
    bool imageIntact_;
    HRGN region_ = nullptr;  // owned until the window takes it
    HBITMAP skin_ = nullptr;

    CButtonST exit_;
    CButtonST help_;
    CButtonST minimize_;
    CButtonST close_;

    std::vector<std::unique_ptr<PropertyPage>> pages_;
    TabSet tabs_;
};

}  // namespace tarvik
