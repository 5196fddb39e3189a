#include "widgets/hyperlink_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

TEST(HyperLinkText, EachShellResultHasItsText) {
    struct Case {
        int result;
        const char* text;
    } const cases[] = {
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
         "The DDE transaction could not\nbe completed because other DDE transactions\n"
         "were being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        // Results without a text of their own, next to ones with one.
        {1, "Unknown Error (1) occurred."},
        {4, "Unknown Error (4) occurred."},
        {25, "Unknown Error (25) occurred."},
        {33, "Unknown Error (33) occurred."},
        {-1, "Unknown Error (-1) occurred."},
        {1155, "Unknown Error (1155) occurred."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OpenErrorText(c.result), c.text) << c.result;
    }
}

TEST(HyperLinkText, FailureMessagePutsTwoLineBreaksBeforeTheReason) {
    EXPECT_EQ(OpenFailureMessage(26),
              "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(OpenFailureMessage(77), "Unable to open hyperlink:\n\nUnknown Error (77) occurred.");
}

TEST(HyperLinkText, BrowserCommandKeyIsUnderTheClassOfHtm) {
    EXPECT_EQ(BrowserCommandKey("htmlfile"), "htmlfile\\shell\\open\\command");
}

TEST(HyperLinkText, BrowserCommandIsCutAtItsFirstPlaceholder) {
    const std::string target = "http://tarvik.example/";
    struct Case {
        const char* command;
        const char* line;
    } const cases[] = {
        // A quoted placeholder goes with its quotes, and everything after it.
        {"\"C:\\b.exe\" -nohome \"%1\" -x", "\"C:\\b.exe\" -nohome  http://tarvik.example/"},
        // The quoted one wins over an earlier bare one.
        {"b.exe %1 \"%1\"", "b.exe %1  http://tarvik.example/"},
        {"b.exe -url %1 %2", "b.exe -url  http://tarvik.example/"},
        {"b.exe %1", "b.exe  http://tarvik.example/"},
        // A placeholder in quotes with more inside is no quoted placeholder.
        {"b.exe \"%1 x\"", "b.exe \" http://tarvik.example/"},
        {"\"C:\\b.exe\"", "\"C:\\b.exe\" http://tarvik.example/"},
        {"%1", " http://tarvik.example/"},
        {"", " http://tarvik.example/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BrowserCommandLine(c.command, target), c.line) << c.command;
    }
}

TEST(HyperLinkText, FittingKeepsTheEdgeTheAlignmentNames) {
    const PixelRect control{10, 20, 110, 40};  // 100 by 20
    using H = LinkHorizontalAlign;
    struct Case {
        const char* name;
        LinkAlign align;
        int width;
        int height;
        PixelRect fitted;
    } const cases[] = {
        {"left, shrinking", {H::Left, false}, 37, 13, {10, 20, 47, 33}},
        {"left, growing", {H::Left, false}, 150, 30, {10, 20, 160, 50}},
        {"right", {H::Right, false}, 37, 13, {73, 20, 110, 33}},
        {"right, growing", {H::Right, false}, 130, 13, {-20, 20, 110, 33}},
        // The odd pixel goes right when shrinking and when growing.
        {"centre, shrinking", {H::Centre, false}, 37, 13, {41, 20, 78, 33}},
        {"centre, growing", {H::Centre, false}, 103, 13, {9, 20, 112, 33}},
        {"centre, even", {H::Centre, false}, 40, 13, {40, 20, 80, 33}},
        {"left, vertical centre", {H::Left, true}, 37, 13, {10, 23, 47, 36}},
        {"vertical centre, growing", {H::Left, true}, 37, 25, {10, 18, 47, 43}},
        {"right, vertical centre", {H::Right, true}, 37, 14, {73, 23, 110, 37}},
        {"empty text", {H::Centre, true}, 0, 0, {60, 30, 60, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PixelRect fitted = FitLinkRect(control, c.width, c.height, c.align);
        EXPECT_EQ(fitted, c.fitted)
            << fitted.left << "," << fitted.top << "," << fitted.right << "," << fitted.bottom;
        EXPECT_EQ(fitted.Width(), c.width);
        EXPECT_EQ(fitted.Height(), c.height);
    }
}

}  // namespace
}  // namespace tarvik
