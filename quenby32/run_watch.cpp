#include "quenby32/run_watch.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace tarvik::quenby {

namespace {

// Kept short on purpose: each entry is a program the user does not start and that comes and
// goes by itself during a game. Matching goes by name only; the monitor guards against
// accidents, not against someone who renames a program to slip through.
constexpr const char* kSystemHelpers[] = {
    "conhost.exe",             // console host, comes with any console program
    "dllhost.exe",             // COM surrogate
    "svchost.exe",             // services started on demand
    "RuntimeBroker.exe",       // app permission broker
    "backgroundTaskHost.exe",  // scheduled background tasks
    "taskhostw.exe",           // task scheduler host
    "services.exe",            // Wine: service manager
    "winedevice.exe",          // Wine: driver host, started when a device is first used
    "plugplay.exe",            // Wine: device arrival service
    "rpcss.exe",               // Wine: RPC/COM service
};

bool SameTextIgnoringCase(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const ProcessEntry* FindProcess(const std::vector<ProcessEntry>& list, std::uint32_t id) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [id](const ProcessEntry& entry) { return entry.id == id; });
    return found == list.end() ? nullptr : &*found;
}

}  // namespace

bool IsSystemHelper(const std::string& exeName) {
    return std::any_of(std::begin(kSystemHelpers), std::end(kSystemHelpers),
                       [&](const char* helper) { return SameTextIgnoringCase(exeName, helper); });
}

void RunWatch::Start(std::uint32_t gameId, std::uint32_t ownId,
                     const std::vector<ProcessEntry>& baseline) {
    ownId_ = ownId;
    known_ = std::set<ProcessEntry>(baseline.begin(), baseline.end());
    gameFamily_.clear();
    if (gameId != 0) {
        gameFamily_.insert(gameId);
    }
    reason_.clear();
}

void RunWatch::ExamineProcesses(const std::vector<ProcessEntry>& now,
                                const SessionCheck& inOurSession) {
    std::vector<const ProcessEntry*> fresh;
    for (const ProcessEntry& entry : now) {
        // A process still being created can be listed without a name (Wine does so): judge it
        // once it has one, or a harmless helper would read as a nameless intruder.
        if (entry.exeName.empty()) {
            continue;
        }
        if (known_.count(entry) == 0) {
            // A new process with a game member's id means that member has ended.
            gameFamily_.erase(entry.id);
            fresh.push_back(&entry);
        }
    }
    // Descendants of the game join its family; repeat, since a grandchild can be listed before
    // its parent.
    for (bool grew = true; grew;) {
        grew = false;
        for (auto it = fresh.begin(); it != fresh.end();) {
            if (gameFamily_.count((*it)->parentId) != 0) {
                gameFamily_.insert((*it)->id);
                known_.insert(**it);
                it = fresh.erase(it);
                grew = true;
            } else {
                ++it;
            }
        }
    }
    for (const ProcessEntry* entry : fresh) {
        known_.insert(*entry);
        if (IsSystemHelper(entry->exeName) || !inOurSession(entry->id)) {
            continue;
        }
        Flag(entry->exeName + " was started");
    }
}

void RunWatch::ExamineForeground(std::uint32_t processId, const std::vector<ProcessEntry>& now,
                                 const SessionCheck& inOurSession) {
    if (processId == 0 || processId == ownId_) {
        return;
    }
    // The window's process may have been born since the last look: learn about it first.
    ExamineProcesses(now, inOurSession);
    if (gameFamily_.count(processId) != 0) {
        return;
    }
    const ProcessEntry* owner = FindProcess(now, processId);
    const std::string name =
        owner && !owner->exeName.empty() ? owner->exeName : "process " + std::to_string(processId);
    Flag(name + " came to the foreground");
}

bool RunWatch::IsOwnOrGame(std::uint32_t processId) const {
    return processId == ownId_ || gameFamily_.count(processId) != 0;
}

void RunWatch::Flag(std::string reason) {
    if (reason_.empty()) {
        reason_ = std::move(reason);
    }
}

}  // namespace tarvik::quenby
