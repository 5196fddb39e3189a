#pragma once
// CLoading: the small progress dialog the result set is loaded in. It loads shortly after it
// opens (so it is on screen first), shows each step, and closes itself.
#include <string>

#include "app/app_state.h"
#include "base/prompt.h"
#include "base/win32/dialog.h"
#include "results/game_files.h"
#include "results/result_set.h"

namespace tarvik {

// The timer that starts the load once the dialog shows.
constexpr UINT_PTR kLoadTimerId = 2;
constexpr UINT kLoadDelayMs = 500;

class CLoading : public Dialog, private LoadObserver {
  public:
    CLoading(AppState& state, GameFiles& files, Prompt& prompt);

  protected:
    BOOL OnInit() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

  private:
    void Load();
    std::vector<std::string> ListNames();
    void StopTimer();
    void ShowText(int id, const std::string& text);

    void OnOperation(const std::string& text) override;
    void OnFile(const std::string& fullPath) override;
    void OnCompleted(int count) override;

    AppState& state_;
    GameFiles& files_;
    Prompt& prompt_;
    bool timerRunning_ = false;
};

}  // namespace tarvik
