#pragma once
// Whole-file writes that never leave a half-written file behind.
#include <string>
#include <string_view>

namespace tarvik {

// Creates or truncates path and writes bytes to it. True only when every byte reached the file
// and it closed cleanly. A file that this made but could not fill is removed again; whatever
// stood in the way of making it is left alone.
bool WriteNewFile(const std::string& path, std::string_view bytes);

// Replaces target (or creates it) with bytes: they are written whole to target +
// temporarySuffix beside it, which then takes the target's place. On failure the target is as
// it was and the temporary file is gone, with one exception where rename refuses an existing
// target (Windows): if the old target was removed but the temporary file could not be moved
// in, the new bytes are kept in the temporary file.
bool WriteFileReplacing(const std::string& target, std::string_view bytes,
                        std::string_view temporarySuffix);

}  // namespace tarvik
