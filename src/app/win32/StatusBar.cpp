#include "app/win32/StatusBar.h"

#include "base/Dpi.h"

#include <commctrl.h>

namespace tavrix::win32 {

namespace {
constexpr int kDesignedHeight = 19;
constexpr int kTipWidth = 600;
} // namespace

void StatusBar::Create(HWND parent, int id) {
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                           WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE |
                               CCS_NOPARENTALIGN | CCS_NODIVIDER,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);

    // The hint: the bar's whole area shows the description as a tooltip.
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
    if (tip_ != nullptr) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(bar_);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
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
