#include "charts/win32/bar_graph_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "charts/graph_colors.h"
#include "res/resource_ids.h"
#include "results/map_result.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/scripted_file_chooser.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/modal_watcher.h"
#include "tests/win32/support/opened_dialog.h"
#include "tests/win32/support/page_host.h"
#include "tests/win32/support/picture.h"

namespace tarvik {
namespace {

constexpr const char* kCaption = "Benchmark Graph Results";

MapResult Record(const std::string& map, double low, double average, double high) {
    MapResult record;
    record.mapName = map;
    record.lowFps = low;
    record.avgFps = average;
    record.highFps = high;
    return record;
}

const std::vector<MapResult> kThreeRecords = {
    Record("DM-Antalus", 31.2, 64.8, 150.3),
    Record("DM-Asbestos", 22.0, 48.4, 97.6),
    Record("CTF-Citadel", 12.5, 40.1, 88.0),
};

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        PumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

RECT Inside(const PixelRect& rect) {
    return {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

int AreaOf(const RECT& rect) {
    return (rect.right - rect.left) * (rect.bottom - rect.top);
}

// Pixels of text, however the fonts smooth it: clearly darker than the white background.
int DarkPixels(const Picture& picture, const RECT& area) {
    int count = 0;
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, picture.Height());
         ++y) {
        for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, picture.Width());
             ++x) {
            const COLORREF color = picture.At(x, y);
            count += GetRValue(color) + GetGValue(color) + GetBValue(color) < 3 * 128 ? 1 : 0;
        }
    }
    return count;
}

// The chart as the area shows it: the picture it repaints from.
Picture AreaPicture(HWND dialog) {
    return Picture::OfWindow(GetDlgItem(dialog, IDC_BAR_GRAPH_AREA));
}

class BarGraphDialog : public HostWindowSuite {};

TEST_F(BarGraphDialog, BarsAndSwatchesAreFilledInTheRecordsColoursWhereTheLayoutPutsThem) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), kThreeRecords, prompt);
    ASSERT_NE(opened.hwnd, nullptr);
    const Picture picture = AreaPicture(opened.hwnd);
    const BarGraphLayout& layout = opened.dialog.Layout();
    ASSERT_FALSE(picture.Empty());
    RECT client{};
    GetClientRect(GetDlgItem(opened.hwnd, IDC_BAR_GRAPH_AREA), &client);
    EXPECT_EQ(picture.Width(), client.right);
    EXPECT_EQ(layout.background.rect, (PixelRect{0, 0, client.right, client.bottom}));

    // Three series of three groups; even the lowest rate stands several pixels high.
    ASSERT_EQ(layout.bars.size(), 9u);
    for (const BarColumn& bar : layout.bars) {
        const RECT inside = Inside(bar.box.rect);
        ASSERT_GT(AreaOf(inside), 0) << "series " << bar.series << " group " << bar.group;
        EXPECT_EQ(picture.Count(kGraphColors[bar.group], inside), AreaOf(inside))
            << "series " << bar.series << " group " << bar.group;
    }
    ASSERT_EQ(layout.legend.entries.size(), 3u);
    for (std::size_t i = 0; i < layout.legend.entries.size(); ++i) {
        const RECT inside = Inside(layout.legend.entries[i].swatch.rect);
        EXPECT_EQ(picture.Count(kGraphColors[i], inside), AreaOf(inside)) << "swatch " << i;
    }
    EXPECT_EQ(picture.Count(kGraphColors[3]), 0) << "no fourth record";

    // The axes' 2-pixel black lines, halfway along each.
    const PixelPoint corner = layout.yAxis.from;
    const int yMiddle = corner.y - layout.yAxisHeight / 2;
    const int xMiddle = corner.x + layout.xAxisWidth / 4;
    EXPECT_EQ(picture.Count(kColorBlack, {corner.x - 1, yMiddle, corner.x + 1, yMiddle + 1}), 2);
    EXPECT_EQ(picture.Count(kColorBlack, {xMiddle, corner.y - 1, xMiddle + 1, corner.y + 1}), 2);
}

TEST_F(BarGraphDialog, TitleIsDrawnCentredAtTheTop) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), kThreeRecords, prompt);
    const Picture picture = AreaPicture(opened.hwnd);
    const BarText& title = opened.dialog.Layout().title;
    ASSERT_EQ(title.text, "UT 2003 Benchmark");
    const int width = picture.Width();
    const RECT band{1, title.at.y, width - 1, title.at.y + title.font.height};
    const RECT left{1, band.top, width / 2 - 1, band.bottom};
    const RECT right{width / 2 + 1, band.top, width - 1, band.bottom};
    // Both halves carry ink, in comparable amounts; the strip above the title has none.
    const int inkLeft = DarkPixels(picture, left);
    const int inkRight = DarkPixels(picture, right);
    EXPECT_GT(inkLeft, 40);
    EXPECT_GT(inkRight, 40);
    EXPECT_LT(std::abs(inkLeft - inkRight), (inkLeft + inkRight) / 2);
    EXPECT_EQ(DarkPixels(picture, {1, 2, width - 1, title.at.y - 2}), 0);
}

TEST_F(BarGraphDialog, SavesThePictureAsAPngOrSaysWhyNot) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), kThreeRecords, prompt);
    ASSERT_NE(opened.hwnd, nullptr);
    ScriptedFileChooser files;
    opened.dialog.SetFileChooser(files);
    const TempGameFolder folder;
    const std::string path = folder.Path() + "\\chart.png";
    files.answers = {path, std::string("Z:\\no\\such\\folder\\chart.png")};

    opened.dialog.SavePicture();
    std::ifstream file(path, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_EQ(files.questions.size(), 1u);
    EXPECT_EQ(files.questions[0].defaultExtension, "png");

    opened.dialog.SavePicture();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Can't save the picture to Z:\\no\\such\\folder\\chart.png");
    EXPECT_TRUE(opened.dialog.CopyPicture());
}

TEST_F(BarGraphDialog, WithoutRecordsItShowsAnEmptyChartWithItsAxes) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), std::vector<MapResult>{}, prompt);
    ASSERT_NE(opened.hwnd, nullptr);
    const Picture picture = AreaPicture(opened.hwnd);
    const BarGraphLayout& layout = opened.dialog.Layout();
    EXPECT_TRUE(layout.bars.empty());
    EXPECT_FALSE(layout.hasLegend);
    for (const ColorValue color : kGraphColors) {
        if (color != kColorBlack && color != 0x808080 && color != 0xC0C0C0) {
            EXPECT_EQ(picture.Count(color), 0) << std::hex << color;
        }
    }
    const PixelPoint corner = layout.xAxis.from;
    EXPECT_EQ(picture.At(corner.x + layout.xAxisWidth / 2, corner.y), kColorBlack);
    EXPECT_EQ(picture.At(corner.x, corner.y - layout.yAxisHeight / 2), kColorBlack);
    EXPECT_GT(DarkPixels(picture, {1, layout.title.at.y, picture.Width() - 1,
                                   layout.title.at.y + layout.title.font.height}),
              80);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(BarGraphDialog, RepaintsFromItsPictureWhenUncovered) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), kThreeRecords, prompt);
    ShowWindow(opened.hwnd, SW_SHOW);
    PumpMessages();
    HWND area = GetDlgItem(opened.hwnd, IDC_BAR_GRAPH_AREA);
    RECT client{};
    GetClientRect(area, &client);
    const WindowDc dc(area);
    // Something else's pixels over the chart, then a repaint as after uncovering it.
    const GdiBrush magenta(CreateSolidBrush(0xFF00FF));
    FillRect(dc.Get(), &client, magenta.Get());
    InvalidateRect(area, nullptr, TRUE);
    UpdateWindow(area);
    const Picture shown = Picture::OfDc(dc.Get(), client);
    const Picture expected = AreaPicture(opened.hwnd);
    ASSERT_EQ(shown.Width(), expected.Width());
    EXPECT_EQ(shown.Count(0xFF00FF), 0);
    for (const BarColumn& bar : opened.dialog.Layout().bars) {
        const RECT inside = Inside(bar.box.rect);
        EXPECT_EQ(shown.Count(kGraphColors[bar.group], inside), AreaOf(inside));
    }
}

TEST_F(BarGraphDialog, RedrawsEveryHalfSecondUntilDestroyed) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), kThreeRecords, prompt);
    EXPECT_TRUE(opened.dialog.TimerRunning());
    PumpFor(1300);
    EXPECT_GE(opened.dialog.Redraws(), 2);
    EXPECT_LE(opened.dialog.Redraws(), 3);
    DestroyWindow(opened.hwnd);
    EXPECT_FALSE(opened.dialog.TimerRunning());
    const int redrawsAtClose = opened.dialog.Redraws();
    PumpFor(700);
    EXPECT_EQ(opened.dialog.Redraws(), redrawsAtClose);
}

TEST_F(BarGraphDialog, CloseWindowEndsTheModalDialogAndItsTimer) {
    RecordingPrompt prompt;
    Cgraphframedlg dialog(kThreeRecords, prompt);
    std::string button;
    bool timerWhileOpen = false;
    ModalWatcher watcher(Host(), kCaption, [&](HWND box) {
        char text[64] = {};
        GetDlgItemTextA(box, IDOK, text, sizeof(text));
        button = text;
        timerWhileOpen = dialog.TimerRunning();
    });
    EXPECT_EQ(dialog.DoModal(Host()), IDOK);
    EXPECT_TRUE(watcher.Seen());
    EXPECT_EQ(button, "Close Window");
    EXPECT_TRUE(timerWhileOpen);
    EXPECT_FALSE(dialog.TimerRunning());
}

TEST_F(BarGraphDialog, TimerOneIsSetOnTheDialog) {
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), kThreeRecords, prompt);
    // Killing it succeeds only for a timer of that id on that window.
    EXPECT_NE(KillTimer(opened.hwnd, kBarRedrawTimerId), FALSE);
    EXPECT_EQ(KillTimer(opened.hwnd, kBarRedrawTimerId), FALSE);
}

TEST_F(BarGraphDialog, AnUnknownChartTypeIsToldOnceAndLeavesTheAreaWhite) {
    ASSERT_FALSE(IsKnownChartType(99));
    RecordingPrompt prompt;
    OpenedDialog<Cgraphframedlg> opened(Host(), CGraph(99), prompt);
    PumpFor(1300);
    EXPECT_GE(opened.dialog.Redraws(), 2);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "No graph type to display");
    EXPECT_EQ(prompt.messages[0].caption, "Tarvik");
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
    const Picture picture = AreaPicture(opened.hwnd);
    const RECT inside{1, 1, picture.Width() - 1, picture.Height() - 1};
    EXPECT_EQ(picture.Count(kColorWhite, inside), AreaOf(inside));
}

}  // namespace
}  // namespace tarvik
