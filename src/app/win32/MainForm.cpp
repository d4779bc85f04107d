#include "app/win32/MainForm.h"

#include "app/ChangeLogText.h"
#include "app/DpiLayout.h"
#include "app/MainLayout.h"
#include "app/win32/MainFormDesign.h"
#include "base/Dpi.h"
#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "base/win32/AcceleratorHook.h"
#include "base/win32/CommonControls.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "settings/SettingsStore.h"
#include "settings/win32/Win32PlacementForm.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/WindowDpi.h"
#include "viewer/ViewerClipboard.h"

#include <commctrl.h>

#include <cmath>

namespace tavrix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TMainForm";

enum class ControlId : int {
    Toolbar = 10,
    Status,
    Tree,
    Splitter,
    RichEdit,
    ScrollBox,
    Viewer,
};
constexpr int ChildId(ControlId id) {
    return static_cast<int>(id);
}

} // namespace

using namespace design;

TMainForm::TMainForm(ClipboardPort& port, MainFormServices services)
    : port_(port), shown_(port.Backend(), CopyWin32Picture),
      copies_(port.Backend(),
              [this](ClipboardReader::Work work) { RunOnReader(std::move(work), {}); }),
      services_(std::move(services)),
      spltMain_([this] { return metrics_.treeWidth; },
                [this](int wanted) {
                    RECT client{};
                    GetClientRect(Handle(), &client);
                    int available = client.right - metrics_.margin - metrics_.splitterWidth;
                    SetTreeWidth(ClampTreeWidth(wanted, available, ScaleByDpi(kMinTreeWidth, Dpi()),
                                                ScaleByDpi(kMinPreviewWidth, Dpi())));
                }),
      preview_(shownPort_, copyPort_),
      comparison_(Runner(), services_.chooseFile, commands_, tvFormats_, sbMain_),
      files_(Runner(), services_.chooseFile, sbMain_, services_.tickCount),
      formatCommands_(Runner(), services_.chooseFile),
      logWindow_(
          {.log = changeLog_,
           .copyText =
               [this](const std::wstring& text) {
                   RunOnReader(
                       [text](ClipboardPort& clipboard) { SetClipboardTextW(clipboard, text); },
                       {});
               },
           .showPreview =
               [this] {
                   tvFormats_.SelectNode(0);
                   SetForegroundWindow(Handle());
               },
           .chooseFile = services_.chooseFile,
           .reportError = services_.reportError}) {
    if (services_.logLine) {
        changeLog_.SetWriter(
            [this](const ChangeRow& row) { services_.logLine(ChangeJsonLine(changeLog_, row)); });
    }
    changeLog_.SetNamer([this](ClipFormat format) {
        return monitor_ != nullptr ? monitor_->Engine().GetFormatName(format) : std::wstring();
    });
}

void TMainForm::OpenChangeLog() {
    logWindow_.Open();
}

TMainForm::~TMainForm() {
    // Destroy the window while the whole object still exists: the destruction handler needs it.
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

void TMainForm::Create() {
    // The window does not exist yet: its first frame is sized for the screen.
    const int dpi = ScreenDpi();
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    RegisterClassOnce(kClassName, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), LoadCursorW(nullptr, IDC_ARROW),
                      icon != nullptr ? icon : LoadIconW(nullptr, IDI_APPLICATION));
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const RECT frame = FrameForClient(ScaleByDpi(kClientWidth, dpi), ScaleByDpi(kClientHeight, dpi),
                                      style, 0, true, dpi);
    // A clipboard file dropped on the window is loaded as if chosen with "Load...". The style
    // says so without loading the shell library before the window is on screen.
    CreateWindowOfClass(kClassName, WS_EX_ACCEPTFILES, L"Tavrix", style, CW_USEDEFAULT,
                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                        nullptr);
    SetAcceleratorHook([this](MSG& msg) {
        if (Handle() == nullptr || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
            return false;
        }
        if (find_.RouteMessage(msg)) {
            return true;
        }
        // Esc stops waiting for data another program is slow to give.
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && monitor_ != nullptr &&
            monitor_->View().Busy() && (msg.hwnd == Handle() || IsChild(Handle(), msg.hwnd))) {
            monitor_->StopWaiting();
            return true;
        }
        // Shortcuts work wherever the focus is inside the main window.
        if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) {
            return false;
        }
        HACCEL table = commands_.Actions().Accelerators();
        return table != nullptr && TranslateAcceleratorW(Handle(), table, &msg) != 0;
    });
}

bool TMainForm::OnCreate(const CREATESTRUCTW&) {
    files_.SetWindow(Handle());
    CreateControls();
    // An error in the creation handler ends it at that step; the window still opens.
    RunReportingErrors(Handle(), [this] { FormCreate(); });
    LayoutControls();
    return true;
}

void TMainForm::Show(int showCommand) {
    if (!life_.shownOnce) {
        life_.shownOnce = true;
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
    if (life_.destroyed) {
        return;
    }
    life_.destroyed = true;
    SetAcceleratorHook({});
    RunReportingErrors(nullptr, [this] { FormDestroy(); });
    if (logWindow_.Handle() != nullptr) {
        DestroyWindow(logWindow_.Handle());
    }
    // The monitor talks to this window; it stops before the window's parts go away.
    monitor_.reset();
    PostQuitMessage(0);
}

void TMainForm::OnEndSession(bool ending) {
    // Windows may end the process after this message without destroying the window.
    if (ending) {
        RunReportingErrors(nullptr, [this] { SaveFormSettings(); });
    }
}

void TMainForm::RunReportingErrors(HWND owner, const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        std::wstring text = CurrentExceptionText();
        if (services_.reportError) {
            services_.reportError(owner, text);
        } else {
            ShowErrorBox(owner, text);
        }
    }
}

ReaderRunner TMainForm::Runner() {
    return [this](ClipboardWork work, std::function<void()> after) {
        RunOnReader(std::move(work), std::move(after));
    };
}

void TMainForm::RunOnReader(ClipboardWork work, std::function<void()> after) {
    if (monitor_ == nullptr) {
        return;
    }
    auto failure = std::make_shared<std::optional<std::wstring>>();
    monitor_->Reader().Submit(
        ReaderJobKind::Command,
        [work = std::move(work), failure](ClipboardPort& clipboard) {
            try {
                work(clipboard);
            } catch (...) {
                *failure = CurrentExceptionText();
            }
        },
        [this, failure, after = std::move(after)] {
            RunReportingErrors(Handle(), [&] {
                if (*failure) {
                    throw Error(**failure);
                }
                if (after) {
                    after();
                }
            });
        });
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A long save's or load's progress, told by the reader thread.
    if (message == kProgressShown) {
        files_.Progress().ShowProgress(static_cast<FileTask>(wParam), static_cast<int>(lParam));
        return 0;
    }
    if (message == kProgressEnded) {
        files_.Progress().EndProgress();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void TMainForm::ReportHandlerError(const std::wstring& text) {
    if (services_.reportError) {
        services_.reportError(Handle(), text);
        return;
    }
    Window::ReportHandlerError(text);
}

// --- The designed window ------------------------------------------------------------------------

void TMainForm::CreateControls() {
    InitCommonControlClasses(ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_WIN95_CLASSES);

    metrics_.Design(Dpi());
    const int pixelsPerInch = Dpi();
    HFONT font = metrics_.font.get();
    commands_.Create(Handle(), ChildId(ControlId::Toolbar), pixelsPerInch, font, CommandHandlers());
    sbMain_.Create(Handle(), ChildId(ControlId::Status));
    sbMain_.ApplyDpi(pixelsPerInch, font);
    tvFormats_.Create(Handle(), ChildId(ControlId::Tree));
    tvFormats_.ApplyDpi(pixelsPerInch, font);
    tvFormats_.SetOnChange([this](int node) {
        if (tvFormats_.HasNodes() && monitor_ != nullptr) {
            monitor_->ShowNode(node);
        }
    });
    tvFormats_.SetOnContextMenu(
        [this](POINT screen) { commands_.ShowFormatMenu(Handle(), screen); });
    spltMain_.Create(Handle(), ChildId(ControlId::Splitter));
    find_.Create(Handle());
    preview_.Create(Handle(), ChildId(ControlId::RichEdit), ChildId(ControlId::ScrollBox));
    LayoutControls();
}

void TMainForm::LayoutControls() {
    if (Handle() == nullptr || commands_.Toolbar() == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    MainLayoutResult r = ComputeMainLayout({.clientWidth = client.right,
                                            .clientHeight = client.bottom,
                                            .toolbarHeight = commands_.ToolbarHeight(),
                                            .statusHeight = sbMain_.Height(),
                                            .treeWidth = metrics_.treeWidth,
                                            .splitterWidth = metrics_.splitterWidth,
                                            .margin = metrics_.margin});
    auto place = [](HWND window, const LayoutRect& rect) {
        if (window != nullptr) {
            MoveWindow(window, rect.left, rect.top, rect.width, rect.height, TRUE);
        }
    };
    place(commands_.Toolbar(), r.toolbar);
    sbMain_.Place(r.status.left, r.status.top, r.status.width, r.status.height);
    place(tvFormats_.Handle(), r.tree);
    place(spltMain_.Handle(), r.splitter);
    preview_.Place(r.preview);
}

void TMainForm::OnSize(UINT, int, int) {
    LayoutControls();
}

void TMainForm::SetTreeWidth(int width) {
    metrics_.treeWidth = width;
    LayoutControls();
}

// --- Creation, show and destruction handlers ----------------------------------------------------

void TMainForm::FormCreate() {
    SetWindowTextW(Handle(), (L"Tavrix " + GetProductVersion()).c_str());
    ApplyTranslations();

    preview_.CreateViewer(Handle(), ChildId(ControlId::Viewer));
    // The viewer's context menu offers Find and Go to as the Edit menu does.
    preview_.Viewer().SetHostCommands(
        [this] {
            std::vector<HostMenuItem> items;
            for (MainCommand command : kFindCommands) {
                const Action& action = commands_.ActionById(CommandId(command));
                items.push_back({.id = static_cast<UINT>(CommandId(command)),
                                 .caption = ActionList::MenuText(action),
                                 .enabled = action.Enabled()});
            }
            return items;
        },
        [this](UINT id) {
            RunReportingErrors(Handle(), [this, id] { commands_.Run(static_cast<int>(id)); });
        });
    LayoutControls();
    preview_.RestoreZoom(services_.settings);

    // Small screens: nothing lasting, the placement restored at the first show decides.
    if (GetSystemMetrics(SM_CXSCREEN) < 800 || GetSystemMetrics(SM_CYSCREEN) < 600) {
        ShowWindow(Handle(), SW_MAXIMIZE);
        ShowWindow(Handle(), SW_HIDE);
    }

    StartClipboardMonitor();
    if (services_.firstStart) {
        services_.firstStart();
    }
    ApplyDpiLayout();
}

void TMainForm::FormShow() {
    commands_.ActionById(CommandId(MainCommand::OnTop))
        .SetChecked(services_.settings.ReadBool(L"OnTop", false));
    ApplyOnTop();
    Win32PlacementForm placement(Handle(), kClassName);
    services_.settings.LoadFormPlacement(placement, false);
    SetTreeWidth(services_.settings.ReadInteger(L"FormatsWidth", metrics_.treeWidth));
}

void TMainForm::FormDestroy() {
    SaveFormSettings();
    preview_.ReleaseStream();
}

void TMainForm::SaveFormSettings() {
    if (life_.settingsSaved) {
        return;
    }
    life_.settingsSaved = true;
    preview_.SaveZoom(services_.settings);
    services_.settings.WriteInteger(L"FormatsWidth", metrics_.treeWidth);
    Win32PlacementForm placement(Handle(), kClassName);
    services_.settings.SaveFormPlacement(placement, false);
}

void TMainForm::StartClipboardMonitor() {
    MonitorOptions options;
    options.shown = &shown_;
    options.shownPort = &shownPort_;
    options.log = &changeLog_;
    options.logChanged = [this] { logWindow_.Update(); };
    monitor_ = std::make_unique<TTavrixClipboardMonitor>(port_, parts_, std::move(options));
    monitor_->StartMonitoring();
    // The first look: the reader lists the clipboard while the window comes up.
    monitor_->SaveClipboardToFile();
}

// --- Messages -----------------------------------------------------------------------------------

bool TMainForm::OnCommand(int id, int, HWND control) {
    if (control != nullptr && control != commands_.Toolbar()) {
        return false;
    }
    return commands_.Run(id);
}

bool TMainForm::OnContextMenu(HWND from, POINT screen) {
    return tvFormats_.HandleContextMenu(from, screen);
}

bool TMainForm::OnNotify(const NMHDR& header, LRESULT& result) {
    if (tvFormats_.HandleNotify(header, result) || commands_.HandleNotify(header, result)) {
        return true;
    }
    std::wstring link;
    bool left = false;
    if (preview_.IsRichTextLinkClick(header, link, left)) {
        rtfPreviewURLClick(link, left);
        result = 1;
        return true;
    }
    return false;
}

bool TMainForm::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (!commands_.MeasureItem(item)) {
        return false;
    }
    // The measured items' height for the resolution.
    if (std::optional<int> height = MenuItemHeightForFactor(Dpi() / 96.0)) {
        item.itemHeight = static_cast<UINT>(*height);
    }
    return true;
}

bool TMainForm::OnDrawItem(const DRAWITEMSTRUCT& item) {
    return commands_.DrawItem(item);
}

} // namespace tavrix::win32
