#pragma once
// "Manage CSV files": pick up to 16 result files, look at their headers, delete them or show
// exactly those in the Results tab.
#include <string>

#include "app/app_state.h"
#include "base/win32/dialog.h"
#include "widgets/win32/hscroll_list_box.h"

namespace tarvik {

inline constexpr int kMaxPickedCsvFiles = 16;

class CManageCSV : public Dialog {
  public:
    explicit CManageCSV(const PageContext& context);

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void Pick();
    void Unpick();
    void ShowHeader(int listId);
    void DeletePicked();
    void ShowPicked();
    void Tell(const std::string& text) const;
    std::string PathOf(const std::string& name) const;

    PageContext context_;
    CHScrollListBox available_;
    CHScrollListBox picked_;
    CHScrollListBox header_;
};

}  // namespace tarvik
