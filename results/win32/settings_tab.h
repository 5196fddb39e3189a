#pragma once
// The Settings tab: how results are computed, and the result files.
#include <windows.h>

#include "app/app_state.h"
#include "base/win32/property_page.h"

namespace tarvik {

// How the tab opens the CSV manager: modally in the program, scripted in tests.
class CsvManagerOpener {
  public:
    virtual ~CsvManagerOpener() = default;
    virtual void Open(HWND owner) = 0;
};

class ModalCsvManager : public CsvManagerOpener {
  public:
    explicit ModalCsvManager(const PageContext& context) : context_(context) {}
    void Open(HWND owner) override;

  private:
    PageContext context_;
};

class Csettings : public PropertyPage {
  public:
    explicit Csettings(const PageContext& context);
    Csettings(const PageContext& context, CsvManagerOpener& manager);

  protected:
    BOOL OnInit() override;
    void OnSetActive() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnControlScroll(HWND control, int controlId) override;

  private:
    void ShowMaxResults(int value) const;
    void Apply() const;
    void ClearAllCsvFiles() const;
    void Tell(const std::string& text) const;

    PageContext context_;
    ModalCsvManager modalManager_;
    CsvManagerOpener& manager_;
};

}  // namespace tarvik
