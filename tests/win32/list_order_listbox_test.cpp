// The list-order comparison against the real thing: a sorted list box, filled in shuffled
// order, must come out in the order SortListOrder gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/win32/handles.h"
#include "results/list_order.h"

namespace tarvik {
namespace {

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { ::DestroyWindow(handle); }
};
using Window = UniqueHandle<WindowTraits>;

// Names as the game and users leave them in the CSV folder, and the characters that decide
// the order: case, hyphens, apostrophes, underscores, digits of different lengths, symbols.
std::vector<std::string> FolderNames() {
    std::vector<std::string> names = {
        "UT2003-Bench-2026-12-10-04-31-07.csv",
        "ut2003-bench-2026-12-10-04-31-08.csv",
        "UT2003-Bench-2026-12-09-23-59-59.csv",
        "UT2003-Bench-2026-12-10-04-31-7.csv",
        "UT2003-Bench-2026-12-10-4-31-07.csv",
        "UT2003-Bench-2026-12-10-04-31-07_2.csv",
        "UT2003_Bench_2026.csv",
        "UT2003Bench.csv",
        "UT2003-Bench.csv",
        "ut2003-bench.csv",
        "UT2003-BENCH.csv",
        "a.csv",
        "a-b.csv",
        "ab.csv",
        "a_b.csv",
        "a1.csv",
        "a10.csv",
        "a9.csv",
        "A9.CSV",
        "coop.csv",
        "co-op.csv",
        "co'op.csv",
        "coop-.csv",
        "-coop.csv",
        "co--op.csv",
        "c-o-o-p.csv",
        "ab-c-.csv",
        "a-bc.csv",
        "Run 1.csv",
        "Run 10.csv",
        "Run 2.csv",
        "run_1.csv",
        "run.csv",
        "run..csv",
        "run-.csv",
    };
    for (char c = ' '; c <= '~'; ++c) {
        names.push_back(std::string("a") + c + "b.csv");
    }
    return names;
}

std::vector<std::string> ThroughSortedListBox(const std::vector<std::string>& names) {
    Window list(CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 200,
                                200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    EXPECT_TRUE(list);
    for (const std::string& name : names) {
        SendMessageA(list.Get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    std::vector<std::string> shown;
    const auto count = static_cast<int>(SendMessageA(list.Get(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageA(list.Get(), LB_GETTEXTLEN, i, 0);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(list.Get(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        shown.push_back(text);
    }
    return shown;
}

TEST(ListOrderListBox, SortedListBoxAgreesWithSortListOrder) {
    for (unsigned seed : {1u, 2u, 2003u}) {
        std::vector<std::string> names = FolderNames();
        std::shuffle(names.begin(), names.end(), std::mt19937(seed));
        const std::vector<std::string> shown = ThroughSortedListBox(names);
        std::vector<std::string> ours = names;
        SortListOrder(ours);
        ASSERT_EQ(shown.size(), ours.size());
        // The list box places names that differ only in case by where its search lands, so
        // they are compared without case.
        for (std::size_t i = 0; i < ours.size(); ++i) {
            EXPECT_EQ(LowerAscii(shown[i]), LowerAscii(ours[i]))
                << "seed " << seed << ", place " << i;
        }
        EXPECT_EQ(LowerAscii(shown.back()), LowerAscii(*NewestName(names)));
    }
}

}  // namespace
}  // namespace tarvik
