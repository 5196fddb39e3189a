#pragma once
// The common file dialogs of another process, answered as a user would: a path typed into the
// file name box, then the dialog's OK button.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/tarvik_process.h"
#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

// Waits for an open or save dialog of the process, answers it with the full path and waits
// until it has gone.
::testing::AssertionResult AnswerFileDialog(const TarvikProcess& process, const std::string& path,
                                            Milliseconds timeout = kDefaultTimeout);

}  // namespace tarvik::e2e
