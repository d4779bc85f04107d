#include "app/win32/MainForm.h"

#include "app/DpiLayout.h"
#include "app/MainLayout.h"
#include "app/Zoom.h"
#include "app/win32/MainFormSettings.h"
#include "base/Dpi.h"
#include "base/Error.h"
#include "base/Support.h"
#include "base/win32/MessageFilter.h"
#include "base/win32/SelectGuard.h"
#include "base/win32/WindowDC.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "ui/win32/ErrorBox.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavrix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TMainForm";
constexpr wchar_t kFileFilter[] = L"Clipboard file (*.cl7)|*.cl7|All files (*.*)|*.*";

enum ControlId : int {
    kIdToolbar = 10,
    kIdStatus,
    kIdTree,
    kIdSplitter,
    kIdRichEdit,
    kIdScrollBox,
    kIdViewer,
};

// Designed sizes at 96 pixels per inch.
constexpr int kClientWidth = 784;
constexpr int kClientHeight = 522;
constexpr int kTreeWidth = 142;
constexpr int kMargin = 3;
constexpr int kSplitterWidth = 5;
constexpr int kStatusPanelWidth = 150;
constexpr int kToolbarButtonWidth = 98;
constexpr int kToolbarSeparator = 8;
constexpr int kTreeIndent = 19;
constexpr int kMinTreeWidth = 30;
constexpr int kMinPreviewWidth = 100;

// The menu items whose height follows the resolution (miMainMeasureItem).
constexpr std::array<int, 8> kMeasuredItems = {kActLoad,   kActSave,       kActOnTop, kActExit,
                                               kActDelete, kActHelpOnline, kMiAbout,  kMiBrisvel};

bool IsMeasuredItem(UINT id) {
    return std::find(kMeasuredItems.begin(), kMeasuredItems.end(), static_cast<int>(id)) !=
           kMeasuredItems.end();
}

int ImageIndexOfMenuItem(int id) {
    switch (id) {
    case kMiAbout:
        return 6;
    case kMiBrisvel:
        return 7;
    default:
        return -1;
    }
}

TMainForm* g_mainForm = nullptr;

} // namespace

TMainForm* MainForm() {
    return g_mainForm;
}

TMainForm::TMainForm(ClipboardPort& port)
    : port_(port),
      spltMain_([this] { return treeWidth_; },
                [this](int wanted) {
                    RECT client{};
                    GetClientRect(Handle(), &client);
                    int available = client.right - margin_ - splitterWidth_;
                    SetTreeWidth(ClampTreeWidth(wanted, available, ScaleByDpi(kMinTreeWidth),
                                                ScaleByDpi(kMinPreviewWidth)));
                }),
      odMain_({kFileFilter, 1, true, false, L""}), sdMain_({kFileFilter, 1, false, false, L""}) {}

TMainForm::~TMainForm() {
    // Destroy the window while the whole object still exists: the destruction handler needs it.
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
    if (g_mainForm == this) {
        g_mainForm = nullptr;
    }
}

void TMainForm::Create() {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    RegisterClassOnce(kClassName, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), LoadCursorW(nullptr, IDC_ARROW),
                      icon != nullptr ? icon : LoadIconW(nullptr, IDI_APPLICATION));
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, ScaleByDpi(kClientWidth), ScaleByDpi(kClientHeight)};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    g_mainForm = this;
    CreateWindowOfClass(kClassName, 0, L"Tavrix", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr);
    SetMessageFilter([this](MSG& msg) {
        if (Handle() == nullptr || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
            return false;
        }
        // Shortcuts work wherever the focus is inside the main window.
        if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) {
            return false;
        }
        HACCEL table = alMain_.Accelerators();
        return table != nullptr && TranslateAcceleratorW(Handle(), table, &msg) != 0;
    });
}

bool TMainForm::OnCreate(const CREATESTRUCTW&) {
    CreateControls();
    // An error in the creation handler ends it at that step; the window still opens.
    RunReportingErrors(Handle(), [this] { FormCreate(); });
    LayoutControls();
    return true;
}

void TMainForm::Show(int showCommand) {
    if (!shownOnce_) {
        shownOnce_ = true;
        RunReportingErrors(Handle(), [this] { FormShow(); });
    }
    // The restored placement may have maximised the window already.
    if (IsZoomed(Handle()) && showCommand == SW_SHOWNORMAL) {
        showCommand = SW_SHOWMAXIMIZED;
    }
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

void TMainForm::OnDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    SetMessageFilter({});
    RunReportingErrors(nullptr, [this] { FormDestroy(); });
    // The monitor talks to this window; it stops before the window's parts go away.
    StopClipboardMonitor();
    PostQuitMessage(0);
}

// --- The designed window ------------------------------------------------------------------------

void TMainForm::CreateControls() {
    INITCOMMONCONTROLSEX init{sizeof(init),
                              ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);

    treeWidth_ = ScaleByDpi(kTreeWidth);
    margin_ = ScaleByDpi(kMargin);
    splitterWidth_ = ScaleByDpi(kSplitterWidth);
    statusHeight_ = ScaleByDpi(19);
    // Tahoma 8 points: -11 pixels at 96 pixels per inch.
    font_.reset(CreateFontW(-static_cast<int>(std::lround(8 * DpiFactor() * 96 / 72.0)), 0, 0, 0,
                            FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            L"Tahoma"));
    HFONT font = font_.get();
    auto setFont = [font](HWND window) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    };

    ilMain16_ = CreateProgramImageList(16);
    ilMain24_ = CreateProgramImageList(24);
    ilMain32_ = CreateProgramImageList(32);

    CreateActions();
    CreateMainMenu();
    CreateToolbar();
    setFont(tbrMain_);

    sbMain_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                              WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE |
                                  CCS_NOPARENTALIGN | CCS_NODIVIDER,
                              0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(kIdStatus),
                              GetModuleHandleW(nullptr), nullptr);
    setFont(sbMain_);
    std::array<int, 2> edges = {ScaleByDpi(kStatusPanelWidth), -1};
    SendMessageW(sbMain_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    // The status bar's hint: its whole area shows the description as a tooltip.
    statusTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (statusTip_ != nullptr) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(sbMain_);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(statusTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(statusTip_, TTM_SETMAXTIPWIDTH, 0, ScaleByDpi(600));
    }

    tvFormats_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_SHOWSELALWAYS |
                                     TVS_FULLROWSELECT | TVS_TRACKSELECT,
                                 0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(kIdTree),
                                 GetModuleHandleW(nullptr), nullptr);
    setFont(tvFormats_);
    SendMessageW(tvFormats_, TVM_SETINDENT, static_cast<WPARAM>(ScaleByDpi(kTreeIndent)), 0);

    spltMain_.Create(Handle(), kIdSplitter);

    rtfPreview_.Create(Handle(), kIdRichEdit);
    scrlPreview_.Create(Handle(), kIdScrollBox);
    LayoutControls();
}

void TMainForm::CreateActions() {
    struct Design {
        int id;
        const wchar_t* caption;
        const wchar_t* hint;
        Shortcut keys;
        int image;
        void (TMainForm::*handler)();
    };
    const Design designs[] = {
        {kActLoad, L"Load...", L"Load file to clipboard", {}, 1, &TMainForm::actLoadExecute},
        {kActSave, L"Save...", L"Save clipboard to file", {}, 2, &TMainForm::actSaveExecute},
        {kActDelete, L"Clear clipboard", L"Clear clipboard", {}, 3, &TMainForm::actDeleteExecute},
        {kActExit, L"Exit", L"", {}, -1, &TMainForm::actExitExecute},
        {kActHelpOnline,
         L"Help online...",
         L"Help online",
         {VK_F1},
         0,
         &TMainForm::actHelpOnlineExecute},
        {kActOnTop, L"Always on top", L"", {}, -1, &TMainForm::actOnTopExecute},
        {kActZoomOut,
         L"Zoom out",
         L"Zoom out",
         {VK_OEM_MINUS, true},
         4,
         &TMainForm::actZoomOutExecute},
        {kActZoomIn, L"Zoom in", L"Zoom in", {VK_OEM_PLUS, true}, 5, &TMainForm::actZoomInExecute},
        {kActZoom100,
         L"Zoom to 100%",
         L"Zoom to 100%",
         {0x30, true},
         -1,
         &TMainForm::actZoom100Execute},
    };
    for (const Design& d : designs) {
        Action& action = alMain_.Add(d.id);
        action.SetCaption(d.caption);
        action.SetHint(d.hint);
        action.SetShortcut(d.keys);
        action.SetImageIndex(d.image);
        auto handler = d.handler;
        action.SetOnExecute([this, handler] { (this->*handler)(); });
    }
}

void TMainForm::CreateMainMenu() {
    mmMain_ = CreateMenu();
    miFile_ = CreatePopupMenu();
    miEdit_ = CreatePopupMenu();
    miHelp_ = CreatePopupMenu();
    auto addAction = [this](HMENU menu, int id) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id),
                    ActionList::MenuText(*alMain_.Find(id)).c_str());
    };
    addAction(miFile_, kActLoad);
    addAction(miFile_, kActSave);
    AppendMenuW(miFile_, MF_SEPARATOR, 0, nullptr);
    addAction(miFile_, kActOnTop);
    AppendMenuW(miFile_, MF_SEPARATOR, 0, nullptr);
    addAction(miFile_, kActExit);
    addAction(miEdit_, kActDelete);
    AppendMenuW(miEdit_, MF_SEPARATOR, 0, nullptr);
    addAction(miEdit_, kActZoomOut);
    addAction(miEdit_, kActZoomIn);
    addAction(miEdit_, kActZoom100);
    addAction(miHelp_, kActHelpOnline);
    AppendMenuW(miHelp_, MF_STRING, kMiAbout, L"About Tavrix...");
    AppendMenuW(miHelp_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(miHelp_, MF_STRING, kMiBrisvel, L"About Brisvel...");
    AppendMenuW(mmMain_, MF_POPUP, reinterpret_cast<UINT_PTR>(miFile_), L"File");
    AppendMenuW(mmMain_, MF_POPUP, reinterpret_cast<UINT_PTR>(miEdit_), L"Edit");
    AppendMenuW(mmMain_, MF_POPUP, reinterpret_cast<UINT_PTR>(miHelp_), L"Help");

    // The measured items draw their pictures themselves and report their height.
    for (int id : kMeasuredItems) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
    }
    SetMenu(Handle(), mmMain_);
    alMain_.BindMenu(mmMain_);
    for (const auto& action : alMain_.Actions()) {
        alMain_.Refresh(*action);
    }
}

void TMainForm::CreateToolbar() {
    tbrMain_ =
        CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS |
                            CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                        0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(kIdToolbar),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tbrMain_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Buttons without the "show text" style show only their picture, their caption as tooltip.
    SendMessageW(tbrMain_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(tbrMain_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ilMain16_.get()));
    currentImages_ = &ilMain16_;

    struct ButtonDesign {
        int id; // 0: separator
        bool showText;
    };
    const ButtonDesign design[] = {
        {kActLoad, true},     {kActSave, true},    {0, false}, {kActDelete, true},      {0, false},
        {kActZoomOut, false}, {kActZoomIn, false}, {0, false}, {kActHelpOnline, false},
    };
    std::vector<std::wstring> texts;
    texts.reserve(std::size(design));
    std::vector<TBBUTTON> buttons;
    for (const ButtonDesign& d : design) {
        TBBUTTON button{};
        if (d.id == 0) {
            button.iBitmap = ScaleByDpi(kToolbarSeparator);
            button.fsStyle = BTNS_SEP;
        } else {
            const Action& action = *alMain_.Find(d.id);
            texts.push_back(action.Caption());
            button.iBitmap = action.ImageIndex();
            button.idCommand = d.id;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle =
                static_cast<BYTE>(BTNS_BUTTON | (d.showText ? BTNS_SHOWTEXT : BTNS_AUTOSIZE));
            button.iString = reinterpret_cast<INT_PTR>(texts.back().c_str());
        }
        buttons.push_back(button);
    }
    SendMessageW(tbrMain_, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    alMain_.BindToolbar(tbrMain_);
}

void TMainForm::SetImageList(ImageList& list) {
    currentImages_ = &list;
    SendMessageW(tbrMain_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list.get()));
    // The zoom items show plain bitmaps; the measured items draw from the current list.
    menuBitmaps_.clear();
    for (int id : {kActZoomOut, kActZoomIn}) {
        const Action& action = *alMain_.Find(id);
        menuBitmaps_.push_back(CreateIconBitmap(
            DrawIcon(static_cast<IconKind>(action.ImageIndex()), list.Size()), true));
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = menuBitmaps_.back().get();
        SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
    }
    SizeTextButtons();
    InvalidateRect(tbrMain_, nullptr, TRUE);
}

void TMainForm::SizeTextButtons() {
    // The designed 98 pixels, wider when a translated caption needs more room.
    WindowDC screen(nullptr);
    SelectGuard selectFont(screen.get(), font_.get());
    int imageSize = currentImages_ != nullptr ? currentImages_->Size() : 16;
    for (int id : {kActLoad, kActSave, kActDelete}) {
        const std::wstring& caption = alMain_.Find(id)->Caption();
        SIZE extent{};
        GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()),
                              &extent);
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_SIZE;
        info.cx =
            static_cast<WORD>(std::max(ScaleByDpi(kToolbarButtonWidth),
                                       static_cast<int>(extent.cx) + imageSize + ScaleByDpi(16)));
        SendMessageW(tbrMain_, TB_SETBUTTONINFOW, static_cast<WPARAM>(id),
                     reinterpret_cast<LPARAM>(&info));
    }
}

void TMainForm::LayoutControls() {
    if (Handle() == nullptr || tbrMain_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    MainLayoutResult r = ComputeMainLayout({client.right, client.bottom, toolbarHeight_,
                                            statusHeight_, treeWidth_, splitterWidth_, margin_});
    auto place = [](HWND window, const LayoutRect& rect) {
        if (window != nullptr) {
            MoveWindow(window, rect.left, rect.top, rect.width, rect.height, TRUE);
        }
    };
    place(tbrMain_, r.toolbar);
    place(sbMain_, r.status);
    place(tvFormats_, r.tree);
    place(spltMain_.Handle(), r.splitter);
    place(rtfPreview_.Handle(), r.preview);
    place(scrlPreview_.Handle(), r.preview);
    place(viewer_.Handle(), r.preview);
}

void TMainForm::OnSize(UINT, int, int) {
    LayoutControls();
}

void TMainForm::SetTreeWidth(int width) {
    treeWidth_ = width;
    LayoutControls();
}

// --- Creation, show and destruction handlers ----------------------------------------------------

void TMainForm::FormCreate() {
    SetWindowTextW(Handle(), (L"Tavrix " + GetProductVersion()).c_str());
    ApplyTranslations();
    previewStream_ = std::make_unique<MemoryStream>();

    viewer_.Create(Handle(), kIdViewer);
    viewer_.SetTextUrlHilight(true);
    viewer_.SetTextGutterLinesStep(1);
    LayoutControls();
    viewerFontSize_ = viewer_.FontSize();
    viewer_.SetFontSize(ReadIntegerSetting(L"Zoom", viewer_.FontSize()));
    imageZoom_ = ClampImageZoom(ReadIntegerSetting(L"ZoomImage", 100));

    // Small screens: nothing lasting, the placement restored at the first show decides.
    if (GetSystemMetrics(SM_CXSCREEN) < 800 || GetSystemMetrics(SM_CYSCREEN) < 600) {
        ShowWindow(Handle(), SW_MAXIMIZE);
        ShowWindow(Handle(), SW_HIDE);
    }

    StartClipboardMonitor();
    RunFirstStart();
    ApplyDpiLayout();
}

void TMainForm::FormShow() {
    alMain_.Find(kActOnTop)->SetChecked(ReadBoolSetting(L"OnTop", false));
    ApplyOnTop();
    LoadMainFormPlacement(Handle());
    SetTreeWidth(ReadIntegerSetting(L"FormatsWidth", treeWidth_));
}

void TMainForm::FormDestroy() {
    SaveZoomSettings();
    WriteIntegerSetting(L"FormatsWidth", treeWidth_);
    SaveMainFormPlacement(Handle());
    viewer_.OpenStream(nullptr, false);
    previewStream_.reset();
}

void TMainForm::ApplyDpiLayout() {
    DpiLayoutMetrics m = ComputeDpiLayout(static_cast<int>(std::lround(DpiFactor() * 96)));
    ImageList& list = m.imageSize == 32 ? ilMain32_ : (m.imageSize == 24 ? ilMain24_ : ilMain16_);
    SetImageList(list);
    toolbarBorder_ = m.toolbarBorder;
    toolbarHeight_ = m.toolbarHeight;
    statusHeight_ = m.statusHeight;
    SendMessageW(tvFormats_, TVM_SETITEMHEIGHT, static_cast<WPARAM>(m.treeItemHeight), 0);
    LayoutControls();
}

void TMainForm::miMainMeasureItem(MEASUREITEMSTRUCT& item) {
    std::optional<int> height = MenuItemHeightForFactor(DpiFactor());
    if (height) {
        item.itemHeight = static_cast<UINT>(*height);
    }
}

bool TMainForm::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || !IsMeasuredItem(item.itemID)) {
        return false;
    }
    // What the menu measures itself: room for the picture.
    int size = currentImages_ != nullptr ? currentImages_->Size() : 16;
    item.itemWidth = static_cast<UINT>(size);
    item.itemHeight = static_cast<UINT>(size + 2);
    miMainMeasureItem(item);
    return true;
}

bool TMainForm::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || currentImages_ == nullptr) {
        return false;
    }
    int id = static_cast<int>(item.itemID);
    const Action* action = alMain_.Find(id);
    int index = action != nullptr ? action->ImageIndex() : ImageIndexOfMenuItem(id);
    if (index < 0) {
        return true;
    }
    int size = currentImages_->Size();
    int x = item.rcItem.left +
            std::max(0, (static_cast<int>(item.rcItem.right - item.rcItem.left) - size) / 2);
    int y = item.rcItem.top +
            std::max(0, (static_cast<int>(item.rcItem.bottom - item.rcItem.top) - size) / 2);
    UINT style = ILD_TRANSPARENT | ((item.itemState & ODS_GRAYED) ? ILD_BLEND50 : 0);
    ImageList_Draw(currentImages_->get(), index, item.hDC, x, y, style);
    return true;
}

std::wstring TMainForm::StatusPanelText(int panel) const {
    wchar_t buffer[512] = {};
    LRESULT info = SendMessageW(sbMain_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0);
    if (LOWORD(info) >= std::size(buffer)) {
        return {};
    }
    SendMessageW(sbMain_, SB_GETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void TMainForm::SetStatusHint(const std::wstring& hint) {
    statusHint_ = hint;
}

// --- Messages -----------------------------------------------------------------------------------

bool TMainForm::OnCommand(int id, int code, HWND control) {
    if (control != nullptr && control != tbrMain_) {
        return false;
    }
    (void)code;
    if (id == kMiAbout) {
        miAboutClick();
        return true;
    }
    if (id == kMiBrisvel) {
        miBrisvelClick();
        return true;
    }
    Action* action = alMain_.Find(id);
    if (action == nullptr) {
        return false;
    }
    action->Execute();
    return true;
}

bool TMainForm::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == tvFormats_) {
        if (header.code == TVN_SELCHANGEDW) {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            if (formatsChangeAttached_ && change.itemNew.hItem != nullptr) {
                tvFormatsChange(static_cast<int>(change.itemNew.lParam));
            }
            return true;
        }
        if (header.code == NM_RCLICK) {
            // A right click selects the node under the mouse.
            TVHITTESTINFO hit{};
            DWORD pos = GetMessagePos();
            hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
            ScreenToClient(tvFormats_, &hit.pt);
            auto item = reinterpret_cast<HTREEITEM>(
                SendMessageW(tvFormats_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            if (item != nullptr) {
                SendMessageW(tvFormats_, TVM_SELECTITEM, TVGN_CARET,
                             reinterpret_cast<LPARAM>(item));
            }
            result = 1;
            return true;
        }
        return false;
    }
    if (header.hwndFrom == tbrMain_) {
        if (header.code == TBN_GETINFOTIPW) {
            auto& tip =
                const_cast<NMTBGETINFOTIPW&>(reinterpret_cast<const NMTBGETINFOTIPW&>(header));
            const Action* action = alMain_.Find(tip.iItem);
            if (action != nullptr && tip.pszText != nullptr && tip.cchTextMax > 0) {
                std::wstring hint = action->Hint().empty() ? action->Caption() : action->Hint();
                lstrcpynW(tip.pszText, hint.c_str(), tip.cchTextMax);
            }
            return true;
        }
        if (header.code == NM_CUSTOMDRAW) {
            CustomDrawToolbar(
                const_cast<NMTBCUSTOMDRAW&>(reinterpret_cast<const NMTBCUSTOMDRAW&>(header)),
                result);
            return true;
        }
        return false;
    }
    if (header.code == TTN_GETDISPINFOW && header.idFrom == reinterpret_cast<UINT_PTR>(sbMain_)) {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        info.lpszText = statusHint_.empty() ? nullptr : statusHint_.data();
        return true;
    }
    std::wstring link;
    bool left = false;
    if (rtfPreview_.IsLinkClick(header, link, left)) {
        rtfPreviewURLClick(link, left);
        result = 1;
        return true;
    }
    return false;
}

void TMainForm::CustomDrawToolbar(NMTBCUSTOMDRAW& draw, LRESULT& result) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        return;
    case CDDS_ITEMPREPAINT:
        draw.clrHighlightHotTrack = RGB(229, 243, 255);
        result = TBCDRF_HILITEHOTTRACK;
        return;
    case CDDS_POSTPAINT: {
        // Only the bottom edge of the toolbar is drawn.
        RECT client{};
        GetClientRect(tbrMain_, &client);
        RECT edge{0, client.bottom - toolbarBorder_, client.right, client.bottom};
        FillRect(draw.nmcd.hdc, &edge, GetSysColorBrush(COLOR_BTNSHADOW));
        result = CDRF_DODEFAULT;
        return;
    }
    default:
        result = CDRF_DODEFAULT;
        return;
    }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace tavrix::win32
