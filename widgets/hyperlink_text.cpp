#include "widgets/hyperlink_text.h"

#include "base/format.h"

namespace tarvik {

namespace {

struct ErrorText {
    int result;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
     "processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

// Where a span of `length` is placed to keep its centre in [start, start + room).
int CentredStart(int start, int room, int length) {
    return start + (room - length) / 2;
}

}  // namespace

std::string OpenErrorText(int result) {
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.result == result) {
            return entry.text;
        }
    }
    return Format("Unknown Error (%d) occurred.", result);
}

std::string OpenFailureMessage(int result) {
    return "Unable to open hyperlink:\n\n" + OpenErrorText(result);
}

std::string BrowserCommandKey(const std::string& htmClass) {
    return htmClass + "\\shell\\open\\command";
}

std::string BrowserCommandLine(const std::string& command, const std::string& target) {
    std::string::size_type cut = command.find("\"%1\"");
    if (cut == std::string::npos) {
        cut = command.find("%1");
    }
    return command.substr(0, cut) + " " + target;
}

PixelRect FitLinkRect(const PixelRect& control, int textWidth, int textHeight, LinkAlign align) {
    PixelRect fitted = control;
    switch (align.horizontal) {
        case LinkHorizontalAlign::Left:
            break;
        case LinkHorizontalAlign::Centre:
            fitted.left = CentredStart(control.left, control.Width(), textWidth);
            break;
        case LinkHorizontalAlign::Right:
            fitted.left = control.right - textWidth;
            break;
    }
    fitted.right = fitted.left + textWidth;
    if (align.centredVertically) {
        fitted.top = CentredStart(control.top, control.Height(), textHeight);
    }
    fitted.bottom = fitted.top + textHeight;
    return fitted;
}

}  // namespace tarvik
