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
    tip_ = CreateChildControl({.className = TOOLTIPS_CLASSW,
                               .exStyle = WS_EX_TOPMOST,
                               .style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               .parent = parent,
                               .x = CW_USEDEFAULT,
                               .y = CW_USEDEFAULT,
                               .width = CW_USEDEFAULT,
                               .height = CW_USEDEFAULT});
    // Areas of the bar that the tooltip watches itself; their texts are set whenever they change.
    for (Tip tip : {kHintTip, kLastPanelTip}) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = bar_;
        tool.uId = tip;
        tool.lpszText = const_cast<wchar_t*>(L"");
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
    FollowPanels();
}

void StatusBar::Place(int x, int y, int width, int height) {
    MoveWindow(bar_, x, y, width, height, TRUE);
    FollowPanels();
}

void StatusBar::FollowPanels() {
    if (tip_ == nullptr) {
        return;
    }
    RECT last{};
    SendMessageW(bar_, SB_GETRECT, static_cast<WPARAM>(LastPanel()),
                 reinterpret_cast<LPARAM>(&last));
    RECT client{};
    GetClientRect(bar_, &client);
    RECT fixed = client;
    fixed.right = last.left;
    last.right = client.right;
    for (auto [tip, area] : {std::pair{kHintTip, fixed}, std::pair{kLastPanelTip, last}}) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = bar_;
        tool.uId = tip;
        tool.rect = area;
        SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void StatusBar::SetTipText(Tip tip, const std::wstring& text) {
    if (tip_ == nullptr) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = bar_;
    tool.uId = tip;
    tool.lpszText = const_cast<wchar_t*>(text.c_str()); // copied by the tooltip
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void StatusBar::SetHint(const std::wstring& hint) {
    hint_ = hint;
    SetTipText(kHintTip, hint_);
}

void StatusBar::SetPanelText(int panel, const std::wstring& text) {
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
    if (panel == LastPanel()) {
        SetTipText(kLastPanelTip, text);
    }
}

std::wstring StatusBar::PanelText(int panel) const {
    const LRESULT info = SendMessageW(bar_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0);
    std::wstring text(static_cast<std::size_t>(LOWORD(info)) + 1, L'\0');
    SendMessageW(bar_, SB_GETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}

std::wstring StatusBar::TipOverPanel(int panel) const {
    wchar_t buffer[1024] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = bar_;
    tool.uId = panel == LastPanel() ? kLastPanelTip : kHintTip;
    tool.lpszText = buffer;
    SendMessageW(tip_, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

} // namespace tavrix::win32
