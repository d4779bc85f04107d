#include "app/win32/StatusBar.h"

#include "app/FormatThousands.h"
#include "base/Dpi.h"
#include "base/win32/CommonControls.h"
#include "clipboard/EngineLabels.h"
#include "ui/win32/ChildControl.h"

#include <commctrl.h>

#include <vector>

namespace tavrix::win32 {

namespace {
constexpr int kDesignedHeight = 19;
// The widths of the size and the description at 96 pixels per inch; the facts take the rest.
constexpr int kFixedPanelWidths[] = {150, 150};
constexpr int kTipWidth = 600;
constexpr UINT_PTR kSubclassId = 1;
} // namespace

StatusBar::~StatusBar() {
    if (bar_ != nullptr && IsWindow(bar_)) {
        CommonControls().removeWindowSubclass(bar_, AnswerTipText, kSubclassId);
    }
}

LRESULT CALLBACK StatusBar::AnswerTipText(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) noexcept {
    if (message == WM_NOTIFY) {
        auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
        auto& owner = *reinterpret_cast<StatusBar*>(self);
        if (info.hdr.code == TTN_GETDISPINFOW && info.hdr.hwndFrom == owner.tip_) {
            std::wstring& text =
                info.hdr.idFrom == kLastPanelTip ? owner.lastPanelText_ : owner.hint_;
            info.lpszText = text.data();
            return 0;
        }
    } else if (message == WM_NCDESTROY) {
        CommonControls().removeWindowSubclass(bar, AnswerTipText, kSubclassId);
    }
    return CommonControls().defSubclassProc(bar, message, wParam, lParam);
}

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
    // Areas of the bar that the tooltip watches itself, asking the bar for their texts.
    for (Tip tip : {kHintTip, kLastPanelTip}) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = bar_;
        tool.uId = tip;
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    CommonControls().setWindowSubclass(bar_, AnswerTipText, kSubclassId,
                                       reinterpret_cast<DWORD_PTR>(this));
}

void StatusBar::ApplyDpi(int pixelsPerInch, HFONT font) {
    height_ = ScaleByDpi(kDesignedHeight, pixelsPerInch);
    SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // SB_SETPARTS takes right edges.
    std::vector<int> edges;
    int edge = 0;
    for (int width : kFixedPanelWidths) {
        edge += ScaleByDpi(width, pixelsPerInch);
        edges.push_back(edge);
    }
    edges.push_back(-1);
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
    SendMessageW(bar_, SB_GETRECT, static_cast<WPARAM>(kFactsPanel),
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

void StatusBar::SetSize(std::int32_t bytes) {
    SetPanelText(kSizePanel, labels::Size() + L" : " + FormatThousands(bytes));
}

void StatusBar::SetUnknownSize() {
    SetPanelText(kSizePanel, labels::Size() + L" : ?");
}

void StatusBar::SetPictureSize(int width, int height) {
    SetPanelText(kSizePanel, std::to_wstring(width) + L" x " + std::to_wstring(height));
}

void StatusBar::SetDescription(const std::wstring& text) {
    hint_ = text;
    SetPanelText(kDescriptionPanel, text);
}

void StatusBar::SetFacts(const std::wstring& text) {
    SetPanelText(kFactsPanel, text);
}

void StatusBar::SetPanelText(Panel panel, const std::wstring& text) {
    // The control would paint the panel at once, for every text of every refresh; the window's
    // next paint shows them all together instead. Turning redrawing back on validates the whole
    // bar, so the panels still waiting for that paint are marked again.
    RECT waiting{};
    const bool othersWaiting = GetUpdateRect(bar_, &waiting, FALSE) != FALSE;
    SendMessageW(bar_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(bar_, WM_SETREDRAW, TRUE, 0);
    if (othersWaiting) {
        InvalidateRect(bar_, &waiting, FALSE);
    }
    RECT part{};
    if (SendMessageW(bar_, SB_GETRECT, static_cast<WPARAM>(panel),
                     reinterpret_cast<LPARAM>(&part))) {
        InvalidateRect(bar_, &part, FALSE);
    }
    if (panel == kFactsPanel) {
        lastPanelText_ = text;
    }
}

void StatusBar::ShowMessage(const std::wstring& text) {
    if (!ShowsMessage()) {
        SendMessageW(bar_, SB_SIMPLE, TRUE, 0);
    }
    SendMessageW(bar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(bar_);
}

void StatusBar::EndMessage() {
    SendMessageW(bar_, SB_SIMPLE, FALSE, 0);
    UpdateWindow(bar_);
}

bool StatusBar::ShowsMessage() const {
    return SendMessageW(bar_, SB_ISSIMPLE, 0, 0) != FALSE;
}

std::wstring StatusBar::PanelText(Panel panel) const {
    const LRESULT info = SendMessageW(bar_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0);
    std::wstring text(static_cast<std::size_t>(LOWORD(info)) + 1, L'\0');
    SendMessageW(bar_, SB_GETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}

std::wstring StatusBar::TipText(Tip tip) const {
    wchar_t buffer[1024] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = bar_;
    tool.uId = tip;
    tool.lpszText = buffer;
    SendMessageW(tip_, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

} // namespace tavrix::win32
