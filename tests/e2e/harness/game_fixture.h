#pragma once
// The simulated game installed and registered inside the test's prefix, as a user's machine
// would have it.
#include <gtest/gtest.h>

#include <string>

namespace tarvik::e2e {

// Which editions are installed, each in its own folder and registered under its own key.
enum class Installed { Full, Demo, Both, None };

class GameFixture {
  public:
    // Installs the editions into kFullGameFolder and kDemoGameFolder and registers them.
    ::testing::AssertionResult Install(Installed editions);

    // The folder tarvik.exe should pick: the full game's when registered, else the demo's, else
    // empty.
    const std::string& GameFolder() const;
    const std::string& FullFolder() const { return fullFolder_; }
    const std::string& DemoFolder() const { return demoFolder_; }

  private:
    std::string fullFolder_;
    std::string demoFolder_;
};

}  // namespace tarvik::e2e
