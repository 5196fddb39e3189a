#pragma once
// Everything an end-to-end test needs to drive tarvik.exe from outside.
#include "tests/e2e/harness/controls.h"
#include "tests/e2e/harness/game_fixture.h"
#include "tests/e2e/harness/message_box.h"
#include "tests/e2e/harness/paths.h"
#include "tests/e2e/harness/registry.h"
#include "tests/e2e/harness/screenshot.h"
#include "tests/e2e/harness/session.h"
#include "tests/e2e/harness/tab_set.h"
#include "tests/e2e/harness/tarvik_process.h"
#include "tests/e2e/harness/timing.h"
#include "tests/e2e/harness/window_finder.h"
