#pragma once
// Cseconds: the small "Seconds" dialog that asks how long one map of a script should run. It
// offers the pending run time and changes it only when the user confirms a value.
#include <windows.h>

#include <string>

#include "base/prompt.h"
#include "base/win32/dialog.h"

namespace tarvik {

inline constexpr const char* kSecondsEmptyMessage = "You must enter a value!";

class Cseconds : public Dialog {
  public:
    Cseconds(std::string& pendingRunTime, Prompt& prompt);

    // Whether the dialog has ended itself (modeless test dialogs stay hidden instead).
    bool Ended() const { return ended_; }

  protected:
    BOOL OnInit() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void Close(INT_PTR result);

    std::string& pendingRunTime_;
    Prompt& prompt_;
    bool ended_ = false;
};

// How the script editor asks for a run time, so tests can answer without a modal dialog.
class RunTimeAsker {
  public:
    virtual ~RunTimeAsker() = default;
    // Offers pendingRunTime and leaves there what the user confirmed, or leaves it as it was.
    virtual void Ask(HWND owner, std::string& pendingRunTime) = 0;
};

// The product's: Cseconds, modal over the editor.
class SecondsDialogAsker final : public RunTimeAsker {
  public:
    explicit SecondsDialogAsker(Prompt& prompt) : prompt_(prompt) {}
    void Ask(HWND owner, std::string& pendingRunTime) override;

  private:
    Prompt& prompt_;
};

}  // namespace tarvik
