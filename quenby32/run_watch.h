#pragma once
// The verdict on one benchmark run: which processes belong to the game, and the first sign that
// something else took part. Pure bookkeeping; the monitor thread feeds it process lists and
// foreground changes.
#include "quenby32/process_entry.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace tarvik::quenby {

// Programs that Windows or Wine start on their own, matched by file name without regard to case.
bool IsSystemHelper(const std::string& exeName);

class RunWatch {
  public:
    // Whether a process runs in the user's own session (services run in another one).
    using SessionCheck = std::function<bool(std::uint32_t processId)>;

    // A new run: everything in baseline is old; gameId and its descendants are the game;
    // ownId (the program that watches) never disturbs. Forgets any earlier verdict.
    void Start(std::uint32_t gameId, std::uint32_t ownId,
               const std::vector<ProcessEntry>& baseline);

    // Judges every process of now that was not seen before.
    void ExamineProcesses(const std::vector<ProcessEntry>& now, const SessionCheck& inOurSession);
    // A window of processId came to the foreground; now is a fresh process list.
    void ExamineForeground(std::uint32_t processId, const std::vector<ProcessEntry>& now,
                           const SessionCheck& inOurSession);
    // True for the watching program and the game family as known so far: such a window in the
    // foreground needs no process list.
    bool IsOwnOrGame(std::uint32_t processId) const;

    // Records a sign of interference; only the first one is kept.
    void Flag(std::string reason);

    bool Disturbed() const { return !reason_.empty(); }
    // The first sign of interference, e.g. "notepad.exe came to the foreground"; "" when none.
    const std::string& Reason() const { return reason_; }

  private:
    std::uint32_t ownId_ = 0;
    std::set<ProcessEntry> known_;
    std::unordered_set<std::uint32_t> gameFamily_;
    std::string reason_;
};

}  // namespace tarvik::quenby
