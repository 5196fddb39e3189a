#pragma once
// Cuploaddlg: the score dialog that ends a standard run. It checks that the loaded results are
// the untouched output of the run, shows the score, and posts it on "Online Results".
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "base/win32/dialog.h"
#include "results/game_files.h"
#include "upload/form_body.h"
#include "upload/results_server.h"
#include "upload/win32/http_upload.h"
#include "widgets/win32/button_st.h"
#include "base/win32/gdi.h"

namespace tarvik {

// Shown when "Online Results" cannot reach the server or read its answer.
constexpr const char* kUploadFailedPattern = "The upload to %s failed: %s.";
constexpr const char* kUploadFailedCaption = "!";
constexpr const char* kScoreHeading = "Tarvik Score";
constexpr const char* kScoreFontFace = "Ariel";  // as named; Windows substitutes a near face
constexpr int kScoreFontPoints = 16;
constexpr COLORREF kScoreTextColor = RGB(255, 0, 0);

// What the dialog needs from the machine, so tests can script it.
class ScoreDialogPlatform {
  public:
    virtual ~ScoreDialogPlatform() = default;
    // Processor (identified afresh), memory and operating system.
    virtual UploadMachine DescribeMachine(const std::string& gameVersionField) = 0;
    // The value of the server setting variable, or nullptr when unset.
    virtual const char* ServerSetting() = 0;
    virtual UploadExchange Post(const ResultsServer& server, const std::string& body) = 0;
    // Where the reply was saved, or nullopt when no place could be written.
    virtual std::optional<std::string> SaveReply(const std::string& reply) = 0;
    virtual void OpenPage(const std::string& path) = 0;
};

// The real machine: CCpuInfo, WinINet, the shell.
class WindowsScoreDialogPlatform final : public ScoreDialogPlatform {
  public:
    UploadMachine DescribeMachine(const std::string& gameVersionField) override;
    const char* ServerSetting() override;
    UploadExchange Post(const ResultsServer& server, const std::string& body) override;
    std::optional<std::string> SaveReply(const std::string& reply) override;
    void OpenPage(const std::string& path) override;
};

class Cuploaddlg : public Dialog {
  public:
    Cuploaddlg(const PageContext& context, ScoreDialogPlatform& platform, GameFiles& files);

    // The failed check (1 to 4) once the dialog has opened, 0 when the score is shown.
    int FailedCheck() const { return failedCheck_; }
    // Whether the dialog has ended itself (modeless test dialogs stay hidden instead).
    bool Ended() const { return ended_; }

  protected:
    BOOL OnInit() override;
    void OnOK() override;
    void OnCancel() override;
    HBRUSH OnControlColor(HDC dc, HWND control, int controlId) override;

  private:
    void Close(INT_PTR result);
    void SetUpButtons();
    void ShowScore();
    void Upload();

    const PageContext& context_;
    ScoreDialogPlatform& platform_;
    GameFiles& files_;
    CButtonST onlineResults_;
    CButtonST viewLocally_;
    GdiFont scoreFont_;
    int failedCheck_ = 0;
    bool ended_ = false;
};

// Opens the score dialog modally over owner on the real machine.
void ShowScoreDialog(const PageContext& context, HWND owner);

}  // namespace tarvik
