#pragma once
// How a link opens its target: the shell first, then the browser's own command from the
// registry.
#include <windows.h>

#include <string>

namespace tarvik {

// How a link reaches the shell and the registry, so that tests can script the answers
// instead of starting a browser.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // ShellExecute with the "open" verb, shown normally.
    virtual int ShellOpen(const std::string& target) = 0;
    // The default value of a key under HKEY_CLASSES_ROOT; false when it is missing or longer
    // than kBrowserValueCapacity.
    virtual bool ReadClassesRootValue(const std::string& key, std::string& value) = 0;
    // Runs a command line shown normally, as WinExec does.
    virtual int Run(const std::string& commandLine) = 0;
};

// The real shell, registry and WinExec.
class ShellLinkOpener : public LinkOpener {
  public:
    int ShellOpen(const std::string& target) override;
    bool ReadClassesRootValue(const std::string& key, std::string& value) override;
    int Run(const std::string& commandLine) override;
};

}  // namespace tarvik
