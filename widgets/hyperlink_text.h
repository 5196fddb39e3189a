#pragma once
// What a hyperlink says and computes without a window: its colours, the message for a target
// that would not open, the browser command line of the fallback, and where the control goes
// when it is fitted to its text.
#include <string>

#include "base/color.h"
#include "base/geometry.h"

namespace tarvik {

constexpr ColorValue kLinkColor = MakeColorValue(0, 0, 238);
constexpr ColorValue kVisitedLinkColor = MakeColorValue(85, 26, 139);
constexpr ColorValue kHoverLinkColor = MakeColorValue(255, 0, 0);

// Underline modes of a link.
constexpr int kUnderlineNever = 0;
constexpr int kUnderlineAlways = 1;
constexpr int kUnderlineHover = -1;  // only while the mouse is over it; the default

// Results of opening at or below this are failures (the shell's and WinExec's convention).
constexpr int kLastOpenFailure = 32;

// Registry values read by the fallback hold at most this many characters, terminator included.
constexpr int kBrowserValueCapacity = 260;

// The program's name: the caption the platform gives a message box that names none.
inline constexpr const char* kLinkFailureCaption = "Tarvik";

// What went wrong, for a result of ShellExecute or WinExec.
std::string OpenErrorText(int result);

// "Unable to open hyperlink:", two line breaks, then the text for the result.
std::string OpenFailureMessage(int result);

// The key under the classes root holding the browser's command, from the class of ".htm".
std::string BrowserCommandKey(const std::string& htmClass);

// The browser's command cut before its first quoted "%1" (else its first bare %1, else kept
// whole), then a space and the target.
std::string BrowserCommandLine(const std::string& command, const std::string& target);

enum class LinkHorizontalAlign { Left, Centre, Right };

struct LinkAlign {
    LinkHorizontalAlign horizontal = LinkHorizontalAlign::Left;
    bool centredVertically = false;
};

// The control's rectangle once it takes the text's size: it keeps the edge (or centre) its
// alignment names. An odd pixel left over from centring goes right or down.
PixelRect FitLinkRect(const PixelRect& control, int textWidth, int textHeight, LinkAlign align);

}  // namespace tarvik
