#include "charts/win32/ruler.h"

#include <commctrl.h>

#include "charts/ruler_layout.h"
#include "charts/win32/ruler_text.h"

namespace tarvik {

FRuler::~FRuler() {
    if (tooltipWindow_) {
        DestroyWindow(tooltipWindow_);
    }
}

bool FRuler::OnCreate() {
    tooltipWindow_ = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, Module(), nullptr);
    if (tooltipWindow_) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        // The tooltip relays the ruler's mouse messages itself.
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Handle());
        tool.lpszText = const_cast<char*>(tooltip_.c_str());
        SendMessageA(tooltipWindow_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageA(tooltipWindow_, TTM_SETMAXTIPWIDTH, 0, 32767);
        SendMessageA(tooltipWindow_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 32767);
        SendMessageA(tooltipWindow_, TTM_SETDELAYTIME, TTDT_INITIAL, 100);
        SendMessageA(tooltipWindow_, TTM_SETDELAYTIME, TTDT_RESHOW, 100);
        SendMessageA(tooltipWindow_, TTM_ACTIVATE, TRUE, 0);
    }
    return true;
}

void FRuler::UpdateTooltip() {
    if (!tooltipWindow_) {
        return;
    }
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    tool.lpszText = const_cast<char*>(tooltip_.c_str());
    SendMessageA(tooltipWindow_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void FRuler::SetRange(double min, double max, bool redraw) {
    range_ = {min, max};
    if (redraw && Handle()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void FRuler::SetTitles(const std::string& unit, const std::string& tooltip, bool redraw) {
    unit_ = unit;
    tooltip_ = tooltip;
    UpdateTooltip();
    if (redraw && Handle()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

int FRuler::Intervals(HDC dc) const {
    GdiFont font = LabelFont(dc, 0);
    SelectionGuard selected(dc, font.Get());
    return RulerIntervals(Length(), Thickness(dc), TextWidth(dc, kIntervalSample));
}

GdiFont FRuler::LabelFont(HDC dc, int escapement) const {
    LOGFONTA description{};
    description.lfHeight = RulerLabelFontHeight(GetDeviceCaps(dc, LOGPIXELSY));
    description.lfEscapement = escapement;
    description.lfOrientation = escapement;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = PROOF_QUALITY;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    return GdiFont(CreateFontIndirectA(&description));
}

int FRuler::TickLength(HDC dc) const {
    return RulerTickLength(GetDeviceCaps(dc, LOGPIXELSY));
}

void FRuler::DrawFrame(HDC dc, const RECT& client) const {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    RECT edge = client;
    DrawEdge(dc, &edge, BDR_RAISEDOUTER, BF_RECT);
}

void FRuler::OnPaint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(Handle(), &client);
    MemoryCanvas canvas(dc, client.right, client.bottom);
    if (canvas) {
        Draw(canvas.Dc());
        canvas.CopyTo(dc, 0, 0);
    } else {
        Draw(dc);
    }
}

int FHRuler::Thickness(HDC dc) const {
    return RulerThickness(GetDeviceCaps(dc, LOGPIXELSY));
}

int FVRuler::Thickness(HDC dc) const {
    return RulerThickness(GetDeviceCaps(dc, LOGPIXELSX));
}

int FHRuler::Length() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.right;
}

int FVRuler::Length() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.bottom;
}

TickSet FHRuler::PanelTicks(HDC dc, int panelLength) const {
    return ComputeTicks(ValueMapping(0, panelLength, range_.min, range_.max), Intervals(dc));
}

TickSet FVRuler::PanelTicks(HDC dc, int panelLength) const {
    return ComputeTicks(ValueMapping(panelLength, 0, range_.min, range_.max), Intervals(dc));
}

void FHRuler::Draw(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    DrawFrame(dc, client);
    const int length = client.right - panelOffset_;
    TickSet ticks = PanelTicks(dc, length);
    for (Tick& tick : ticks.ticks) {
        tick.pixel += panelOffset_;
    }
    GdiFont font = LabelFont(dc, 0);
    SelectionGuard selectedFont(dc, font.Get());
    RulerTextPainter painter(dc, /*upright=*/true);
    painter.DrawMarks(ticks, client.bottom - 1, -1, TickLength(dc));
    const PixelSpan endArea = EndAreaBefore(client.right, TextWidth(dc, EndAreaSample(unit_)));
    for (const RulerLabel& label : RulerLabelsToDraw(
             ticks, endArea, [dc](const std::string& t) { return TextWidth(dc, t); })) {
        painter.DrawAlong(label.text, label.span.begin, 1);
    }
    const std::string end = EndLabelText(unit_, ticks.exponent);
    painter.DrawAlong(end, client.right - 1 - TextWidth(dc, end), 1);
}

void FVRuler::Draw(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    DrawFrame(dc, client);
    // Worked out along the ruler from its bottom, so labels and the end area read as on the
    // horizontal ruler.
    TickSet ticks =
        ComputeTicks(ValueMapping(0, client.bottom, range_.min, range_.max), Intervals(dc));
    GdiFont font = LabelFont(dc, 900);
    SelectionGuard selectedFont(dc, font.Get());
    RulerTextPainter painter(dc, /*upright=*/false, client.bottom);
    painter.DrawMarks(ticks, client.right - 1, -1, TickLength(dc));
    const PixelSpan endArea = EndAreaBefore(client.bottom, TextWidth(dc, EndAreaSample(unit_)));
    for (const RulerLabel& label : RulerLabelsToDraw(
             ticks, endArea, [dc](const std::string& t) { return TextWidth(dc, t); })) {
        // The bottom label would be cut in half by the ruler's end: the horizontal ruler has
        // the corner there, this one has nothing.
        if (label.span.begin >= 0) {
            painter.DrawAlong(label.text, label.span.begin, 1);
        }
    }
    const std::string end = EndLabelText(unit_, ticks.exponent);
    painter.DrawAlong(end, client.bottom - 1 - TextWidth(dc, end), 1);
}

}  // namespace tarvik
