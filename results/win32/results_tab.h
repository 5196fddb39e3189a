#pragma once
// The Results tab: the newest results as text, graphs and a saved file.
#include "app/app_state.h"
#include "base/file_chooser.h"
#include "base/win32/open_save_dialogs.h"
#include "base/win32/property_page.h"
#include "results/win32/graph_dialogs.h"
#include "widgets/win32/button_st.h"
#include "widgets/win32/hscroll_list_box.h"

namespace tarvik {

class Cresults : public PropertyPage {
  public:
    explicit Cresults(const PageContext& context);
    // Tests answer the "save as" question and open the graphs themselves.
    Cresults(const PageContext& context, FileChooser& files, GraphDialogs& graphs);

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnSetActive() override;
    void OnKillActive() override;

  private:
    void SetUpButton(CButtonST& button, int id, int icon, const char* tooltip);
    void Reload();
    void SaveToFile();
    void ShowGraph(int button);

    PageContext context_;
    CommonFileDialogs fileDialogs_;
    FileChooser& files_;
    ModalGraphDialogs modalGraphs_;
    GraphDialogs& graphs_;
    CHScrollListBox list_;
    CButtonST save_;
    CButtonST barGraph_;
    CButtonST lineGraph_;
};

}  // namespace tarvik
