#pragma once
// The standard benchmark behind the Main tab's button, on Windows: the maps' checksums, the ini
// files from the program's resources, the integrity monitor and the game itself.

#include "app/app_state.h"

namespace tarvik {

void RunStandardBenchmark(const PageContext& context);

}  // namespace tarvik
