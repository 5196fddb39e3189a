#include "charts/win32/graph_container.h"

#include "charts/win32/picture_export.h"
#include "res/resource_ids.h"

namespace tarvik {

namespace {
constexpr int kHorizontalRulerId = 11001;
constexpr int kVerticalRulerId = 11002;
constexpr int kPanelId = 11004;
constexpr RECT kNoArea{0, 0, 0, 0};

// Its own visibility, whether or not its parents are shown yet.
bool Shown(HWND window) {
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT WindowArea(HWND window, HWND parent) {
    RECT area{};
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    return area;
}
}  // namespace

CGraphContainer::CGraphContainer(const GraphSource& graphs, FileChooser* files)
    : files_(files), panel_(graphs, &horizontal_, &vertical_) {
    horizontal_.SetRange(0.0, 10.0, false);
    vertical_.SetRange(0.0, 10.0, false);
}

bool CGraphContainer::OnCreate() {
    JoinGraphChain(Handle(), this);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    return horizontal_.Create(Handle(), kNoArea, kHorizontalRulerId, style) &&
           vertical_.Create(Handle(), kNoArea, kVerticalRulerId, style) &&
           panel_.Create(Handle(), kNoArea, kPanelId, style);
}

void CGraphContainer::OnDestroy() {
    LeaveGraphChain(Handle());
}

void CGraphContainer::OnSize(int width, int height) {
    WindowDc dc(Handle());
    const bool hShown = Shown(horizontal_.Handle());
    const bool vShown = Shown(vertical_.Handle());
    const int top = hShown && dc ? horizontal_.Thickness(dc.Get()) : 0;
    const int left = vShown && dc ? vertical_.Thickness(dc.Get()) : 0;
    horizontal_.SetPanelOffset(left);
    MoveWindow(horizontal_.Handle(), 0, 0, width, top, TRUE);
    MoveWindow(vertical_.Handle(), 0, top, left, std::max(height - top, 0), TRUE);
    MoveWindow(panel_.Handle(), left, top, std::max(width - left, 0), std::max(height - top, 0),
               TRUE);
}

DibImage CGraphContainer::Picture() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    DibImage blank;
    blank.width = client.right;
    blank.height = client.bottom;
    blank.pixels.assign(static_cast<std::size_t>(blank.width) * blank.height, 0xFFFFFFu);
    GdiBitmap bitmap = MakeDibSection(blank);
    MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc || blank.pixels.empty()) {
        return {};
    }
    {
        SelectionGuard selected(dc.Get(), bitmap.Get());
        for (const FRuler* ruler :
             {static_cast<const FRuler*>(&horizontal_), static_cast<const FRuler*>(&vertical_)}) {
            if (!Shown(ruler->Handle())) {
                continue;
            }
            const RECT area = WindowArea(ruler->Handle(), Handle());
            POINT previous{};
            SetViewportOrgEx(dc.Get(), area.left, area.top, &previous);
            ruler->Draw(dc.Get());
            SetViewportOrgEx(dc.Get(), previous.x, previous.y, nullptr);
        }
        if (panel_.BitmapDc()) {
            const RECT area = WindowArea(panel_.Handle(), Handle());
            BitBlt(dc.Get(), area.left, area.top, panel_.BitmapSize().cx, panel_.BitmapSize().cy,
                   panel_.BitmapDc(), 0, 0, SRCCOPY);
        }
        GdiFlush();
    }
    return ReadDibPixels(bitmap.Get());
}

bool CGraphContainer::OnMenuCommand(int id) {
    if (id == IDM_GRAPH_COPY_PICTURE) {
        CopyPictureToClipboard(Handle(), Picture());
        return true;
    }
    if (id == IDM_GRAPH_SAVE_PICTURE) {
        SavePicture();
        return true;
    }
    return false;
}

void CGraphContainer::SavePicture() {
    if (!files_) {
        return;
    }
    FileQuestion question;
    question.filter = FilterFromBars("PNG picture (*.png)|*.png||");
    question.defaultExtension = "png";
    question.initialName = "graph.png";
    question.promptOverwrite = true;
    if (const std::optional<std::string> path = files_->ChooseSaveFile(question)) {
        SavePicturePng(*path, Picture());
    }
}

}  // namespace tarvik
