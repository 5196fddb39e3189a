// The graph panel's context menu, filled by the chain, and what each of its commands does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/format.h"
#include "charts/graph_fit.h"
#include "charts/panel_flags.h"
#include "charts/win32/graph_base_class.h"
#include "res/resource_ids.h"
#include "tests/common/scripted_file_chooser.h"
#include "tests/common/temp_folder_test.h"
#include "tests/win32/support/graph_window_host.h"

namespace tarvik {
namespace {

// One line per item: "id text [checked] [grayed]", submenus indented below their line.
void Describe(HMENU menu, const std::string& indent, std::vector<std::string>& lines) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof(text);
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_SEPARATOR) {
            lines.push_back(indent + "-");
            continue;
        }
        std::string line =
            indent + (item.hSubMenu ? std::string("> ") : Format("%04X ", item.wID)) + text;
        line += (item.fState & MFS_CHECKED) ? " [checked]" : "";
        line += (item.fState & MFS_GRAYED) ? " [grayed]" : "";
        lines.push_back(line);
        if (item.hSubMenu) {
            Describe(item.hSubMenu, indent + "  ", lines);
        }
    }
}

class LineGraphMenu : public GraphWindowSuite {
  protected:
    std::vector<std::string> MenuLines() const {
        OwnedMenu menu = BuildChainMenu(panel->Handle());
        std::vector<std::string> lines;
        Describe(menu.Get(), "", lines);
        return lines;
    }
    void Choose(int id) const { EXPECT_TRUE(PassChainCommand(panel->Handle(), id)) << id; }
};

TEST_F(LineGraphMenu, ItemsInOrderWithChecksAndGreying) {
    const std::vector<std::string> expected = {
        "1001 Point marks [checked]",
        "1002 Scatter graph",
        "1003 Trace mouse coordinates",
        "1004 Axis [checked]",
        "-",
        "> Zoom",
        "  1005 Zoom tool",
        "  1006 Apply [grayed]",
        "> Fit...",
        "  1007 Width",
        "  1008 Height",
        "  1009 Page",
        "-",
        "100C Copy picture",
        "100D Save picture...",
    };
    EXPECT_EQ(MenuLines(), expected);
    Choose(IDM_GRAPH_ZOOM_TOOL);
    Choose(IDM_GRAPH_SCATTER);
    const std::vector<std::string> lines = MenuLines();
    EXPECT_EQ(lines[1], "1002 Scatter graph [checked]");
    EXPECT_EQ(lines[6], "  1005 Zoom tool [checked]");
    EXPECT_EQ(lines[7], "  1006 Apply");
}

TEST_F(LineGraphMenu, TogglesFlipTheirFlagAndRedrawExceptTheMouseTrace) {
    struct Case {
        int command;
        int flag;
        bool redraws;
    };
    const Case cases[] = {{IDM_GRAPH_POINT_MARKS, kPointMarksFlag, true},
                          {IDM_GRAPH_SCATTER, kScatterFlag, true},
                          {IDM_GRAPH_AXIS, kGridFlag, true},
                          {IDM_GRAPH_TRACE_MOUSE, kTraceMouseFlag, false}};
    for (const Case& c : cases) {
        for (int round = 0; round < 2; ++round) {
            const int flags = graph.GetGraphFlags();
            UpdateWindow(panel->Handle());
            const int renders = panel->renderCount();
            Choose(c.command);
            EXPECT_EQ(graph.GetGraphFlags(), flags ^ c.flag) << c.command;
            EXPECT_EQ(panel->renderCount(), renders + (c.redraws ? 1 : 0)) << c.command;
            EXPECT_EQ(GetUpdateRect(panel->Handle(), nullptr, FALSE) != FALSE, c.redraws)
                << c.command;
        }
    }
}

TEST_F(LineGraphMenu, ZoomToolAndApplySetTheRangeFromTheRectangle) {
    panel->SetZoomRect({100, 100, 200, 200});
    Choose(IDM_GRAPH_ZOOM_APPLY);  // greyed while the tool is off: nothing happens
    EXPECT_EQ(Range(), (GraphRange{{0.0, 10.0}, {0.0, 10.0}}));
    Choose(IDM_GRAPH_ZOOM_TOOL);
    EXPECT_TRUE(panel->zoomToolOn());
    EXPECT_EQ(panel->zoomRect(), (PixelRect{5, 5, 50, 50}));
    const PixelRect area = PanelPixels();
    const GraphRange expected =
        RangeOfRectangle({5, 5, 50, 50}, XMapping(area, Range().x), YMapping(area, Range().y));
    Choose(IDM_GRAPH_ZOOM_APPLY);
    EXPECT_FALSE(panel->zoomToolOn());
    EXPECT_EQ(Range(), expected);
    EXPECT_GT(Range().y.min, 8.0);  // the top left corner of the graph
}

TEST_F(LineGraphMenu, FitWidthHeightAndPageFromTheVisibleGraphs) {
    const int shown = graph.AddGraph(RGB(255, 0, 0), "shown", true, true, false);
    const int hidden = graph.AddGraph(RGB(0, 255, 0), "hidden", true, true, false);
    graph.AddPoint(shown, 2.0, 3.0, true);
    graph.AddPoint(shown, 6.0, 8.0, true);
    graph.AddPoint(hidden, 1.0, 9.5, true);
    graph.GetGraph(hidden)->SetVisible(false);
    graph.SetAxisRange(-5.0, 20.0, -1.0, 30.0, true);
    const ValueBox box{2.0, 6.0, 3.0, 8.0};
    const struct {
        int command;
        FitKind kind;
    } cases[] = {{IDM_GRAPH_FIT_WIDTH, FitKind::Width},
                 {IDM_GRAPH_FIT_HEIGHT, FitKind::Height},
                 {IDM_GRAPH_FIT_PAGE, FitKind::Page}};
    for (const auto& c : cases) {
        graph.SetAxisRange(-5.0, 20.0, -1.0, 30.0, true);
        const GraphRange expected = FittedRange(c.kind, Range(), box);
        Choose(c.command);
        EXPECT_EQ(Range(), expected) << c.command;
    }
    // One point only: a non-empty range around it.
    graph.RemoveGraph(hidden, true);
    graph.ClearGraph(shown, true);
    graph.AddPoint(shown, 4.0, 4.0, true);
    Choose(IDM_GRAPH_FIT_PAGE);
    EXPECT_LT(Range().x.min, 4.0);
    EXPECT_GT(Range().x.max, 4.0);
    // Nothing visible: nothing changes.
    graph.GetGraph(shown)->SetVisible(false);
    const GraphRange before = Range();
    Choose(IDM_GRAPH_FIT_WIDTH);
    EXPECT_EQ(Range(), before);
}

class LineGraphPicture : public TempFolderTest {};

TEST_F(LineGraphPicture, SavedAndCopiedPicturesShowThePanelWithItsRulers) {
    ScriptedFileChooser files;
    const std::string path = PathOf("graph.png");
    files.answers.push_back(path);
    CGraphWnd graph(32, &files);
    ASSERT_NE(graph.Create("Graph Window", RECT{0, 0, 300, 200}, GetDesktopWindow(), 11000,
                           WS_POPUP, true),
              nullptr);
    EXPECT_TRUE(PassChainCommand(graph.Panel()->Handle(), IDM_GRAPH_SAVE_PICTURE));
    ASSERT_EQ(files.questions.size(), 1u);
    EXPECT_EQ(files.questions[0].defaultExtension, "png");
    EXPECT_NE(files.questions[0].filter.find("*.png"), std::string::npos);
    const std::string bytes = Read(path);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(GetFileAttributesA((path + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(PassChainCommand(graph.Panel()->Handle(), IDM_GRAPH_COPY_PICTURE));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE copied = GetClipboardData(CF_DIB);
    ASSERT_NE(copied, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(copied));
    ASSERT_NE(header, nullptr);
    const LONG copiedWidth = header->biWidth;
    const LONG copiedHeight = header->biHeight;
    GlobalUnlock(copied);
    CloseClipboard();

    const DibImage picture = graph.Container()->Picture();
    EXPECT_EQ(copiedWidth, picture.width);
    EXPECT_EQ(copiedHeight, picture.height);
    RECT client{};
    GetClientRect(graph.Handle(), &client);
    EXPECT_EQ(picture.width, client.right);
    EXPECT_EQ(picture.height, client.bottom);
    // The top left corner is ruler grey, the far corner the panel's white.
    EXPECT_EQ(ColorOfDibPixel(picture.At(3, 3)), RGB(192, 192, 192));
    EXPECT_EQ(ColorOfDibPixel(picture.At(picture.width - 3, picture.height - 3)),
              RGB(255, 255, 255));
}

}  // namespace
}  // namespace tarvik
