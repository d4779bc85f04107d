#include "app/win32/StatusBar.h"

#include "base/Dpi.h"
#include "ui/win32/ChildControl.h"

#include <commctrl.h>

namespace tavrix::win32 {

namespace {
constexpr int kDesignedHeight = 19;
constexpr int kTipWidth = 600;
} // namespace

void StatusBar::Create(HWND parent, int id) {
    bar_ = CreateChildControl({.className = STATUSCLASSNAMEW,
                               .style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE |
                                        CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               .parent = parent,
                               .id = id});

    // The hint: the bar's whole area shows the description as a tooltip.
    tip_ = CreateChildControl({.className = TOOLTIPS_CLASSW,
                               .exStyle = WS_EX_TOPMOST,
                               .style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               .parent = parent,
                               .x = CW_USEDEFAULT,
                               .y = CW_USEDEFAULT,
                               .width = CW_USEDEFAULT,
                               .height = CW_USEDEFAULT});
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(bar_);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void StatusBar::ApplyDpi(int pixelsPerInch, HFONT font) {
    height_ = ScaleByDpi(kDesignedHeight, pixelsPerInch);
    SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // SB_SETPARTS takes right edges.
    std::vector<int> edges;
    int edge = 0;
    for (int width : panelWidths_) {
        if (width == kRestOfBar) {
            edges.push_back(-1);
            break;
        }
        edge += ScaleByDpi(width, pixelsPerInch);
        edges.push_back(edge);
    }
    SendMessageW(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    if (tip_ != nullptr) {
        SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, ScaleByDpi(kTipWidth, pixelsPerInch));
    }
}

void StatusBar::SetPanelText(int panel, const std::wstring& text) {
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::ShowWholeBarText(const std::wstring& text) {
    if (!ShowsWholeBarText()) {
        SendMessageW(bar_, SB_SIMPLE, TRUE, 0);
    }
    SendMessageW(bar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(bar_);
}

void StatusBar::EndWholeBarText() {
    SendMessageW(bar_, SB_SIMPLE, FALSE, 0);
    UpdateWindow(bar_);
}

bool StatusBar::ShowsWholeBarText() const {
    return SendMessageW(bar_, SB_ISSIMPLE, 0, 0) != FALSE;
}

std::wstring StatusBar::PanelText(int panel) const {
    wchar_t buffer[512] = {};
    LRESULT info = SendMessageW(bar_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0);
    if (LOWORD(info) >= std::size(buffer)) {
        return {};
    }
    SendMessageW(bar_, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

bool StatusBar::HandleNotify(const NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW || header.idFrom != reinterpret_cast<UINT_PTR>(bar_)) {
        return false;
    }
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    info.lpszText = hint_.empty() ? nullptr : hint_.data();
    return true;
}

} // namespace tavrix::win32
