#include "app/win32/ChangeLogWindow.h"

#include "app/ChangeLogText.h"
#include "app/win32/ChangeLogFile.h"
#include "base/Dpi.h"
#include "base/UiText.h"
#include "base/win32/SystemErrorText.h"
#include "base/win32/UserObjects.h"
#include "ui/win32/ChildControl.h"

#include <commctrl.h>

#include <array>

namespace tavrix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TavrixChangeLog";
constexpr int kListId = 1;
constexpr int kStatusId = 2;
enum Command : int { kSaveAs = 101, kCopy, kClose };
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshDelay = 100;
// Column widths at 96 pixels per inch.
constexpr std::array<int, kChangeColumns> kColumnWidths = {95, 90, 190, 60, 80, 360};

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    if (text.size() < end.size()) {
        return false;
    }
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (towlower(text[text.size() - end.size() + i]) != end[i]) {
            return false;
        }
    }
    return true;
}

FileDialogOptions SaveOptions() {
    const std::wstring filter = Tr(L"CSV files") + L" (*.csv)|*.csv|" + Tr(L"JSON lines") +
                                L" (*.jsonl)|*.jsonl|" + Tr(L"All files") + L" (*.*)|*.*";
    return {.filter = filter, .promptOverwrite = true, .defaultExtension = L"csv"};
}

void AppendItem(HMENU menu, int id, const std::wstring& text) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), text.c_str());
}

} // namespace

ChangeLogWindow::ChangeLogWindow(Parts parts)
    : parts_(std::move(parts)), saveDialog_(SaveOptions()) {}

ChangeLogWindow::~ChangeLogWindow() {
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

void ChangeLogWindow::Open() {
    if (Handle() == nullptr) {
        RegisterClassOnce(kClassName, CS_HREDRAW | CS_VREDRAW,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                          LoadCursorW(nullptr, IDC_ARROW),
                          LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
        const std::wstring title = Tr(L"Change log") + L" - Tavrix";
        CreateWindowOfClass(kClassName, 0, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            ScaleByDpi(900), ScaleByDpi(420), nullptr, nullptr);
        ShowWindow(Handle(), SW_SHOWNORMAL);
    }
    if (IsIconic(Handle())) {
        ShowWindow(Handle(), SW_RESTORE);
    }
    SetForegroundWindow(Handle());
    SetFocus(list_);
}

bool ChangeLogWindow::OnCreate(const CREATESTRUCTW&) {
    list_ = CreateChildControl({.className = WC_LISTVIEWW,
                                .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                                         LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                                .parent = Handle(),
                                .id = kListId});
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    bar_ = CreateChildControl({.className = STATUSCLASSNAMEW,
                               .style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                               .parent = Handle(),
                               .id = kStatusId});
    const std::array<std::wstring, kChangeColumns> headings = ChangeHeadings();
    for (std::size_t i = 0; i < headings.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = i == 1 || i == 3 || i == 4 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = ScaleByDpi(kColumnWidths[i], Dpi());
        column.pszText = const_cast<wchar_t*>(headings[i].c_str());
        SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    Menu bar(CreateMenu());
    Menu file(CreatePopupMenu());
    if (!bar || !file) {
        ThrowLastError(Tr(L"Cannot create the main menu.") + L" ");
    }
    AppendItem(file.get(), kSaveAs, Tr(L"Save log as..."));
    AppendItem(file.get(), kCopy, Tr(L"Copy") + L"\tCtrl+C");
    AppendMenuW(file.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(file.get(), kClose, Tr(L"Close"));
    if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(file.get()),
                    Tr(L"File").c_str())) {
        file.release();
    }
    if (SetMenu(Handle(), bar.get())) {
        bar.release();
    }
    Refresh();
    return true;
}

void ChangeLogWindow::OnDestroy() {
    // Opened again, the window is made anew.
    list_ = nullptr;
    bar_ = nullptr;
    refreshDue_ = false;
    status_.clear();
    note_.clear();
}

void ChangeLogWindow::OnSize(UINT, int width, int height) {
    SendMessageW(bar_, WM_SIZE, 0, 0);
    RECT barFrame{};
    GetWindowRect(bar_, &barFrame);
    MoveWindow(list_, 0, 0, width, height - (barFrame.bottom - barFrame.top), TRUE);
}

void ChangeLogWindow::OnDpiChanged(int) {
    SizeColumns();
}

void ChangeLogWindow::SizeColumns() {
    for (std::size_t i = 0; i < kColumnWidths.size(); ++i) {
        SendMessageW(list_, LVM_SETCOLUMNWIDTH, i, ScaleByDpi(kColumnWidths[i], Dpi()));
    }
}

void ChangeLogWindow::Update() {
    if (list_ == nullptr || refreshDue_) {
        return;
    }
    refreshDue_ = SetTimer(Handle(), kRefreshTimer, kRefreshDelay, nullptr) != 0;
    if (!refreshDue_) {
        Refresh();
    }
}

bool ChangeLogWindow::OnTimer(UINT_PTR id) {
    if (id != kRefreshTimer) {
        return false;
    }
    KillTimer(Handle(), kRefreshTimer);
    refreshDue_ = false;
    Refresh();
    return true;
}

void ChangeLogWindow::Refresh() {
    if (list_ == nullptr) {
        return;
    }
    const auto count = static_cast<int>(parts_.log.Size());
    const auto shown = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
    // Follow the newest row while the user looks at the end of the list.
    const int top = static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
    const int page = static_cast<int>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    const bool atEnd = top + page >= shown;
    SendMessageW(list_, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
    InvalidateRect(list_, nullptr, FALSE);
    if (atEnd && count > 0) {
        SendMessageW(list_, LVM_ENSUREVISIBLE, count - 1, FALSE);
    }
    ShowStatus();
}

void ChangeLogWindow::ShowStatus() {
    std::wstring text = Tr(L"%1 changes", {std::to_wstring(parts_.log.Size())});
    if (parts_.log.Dropped() > 0) {
        const std::wstring dropped = std::to_wstring(parts_.log.Dropped());
        text += L" \u00B7 " + Tr(L"%1 older changes were dropped", {dropped});
    }
    if (!note_.empty()) {
        text += L" \u00B7 " + note_;
    }
    if (text != status_) {
        status_ = text;
        SendMessageW(bar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(status_.c_str()));
        SendMessageW(bar_, SB_SIMPLE, TRUE, 0);
        SendMessageW(bar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(status_.c_str()));
    }
}

std::vector<std::size_t> ChangeLogWindow::SelectedRows() const {
    std::vector<std::size_t> rows;
    int item = -1;
    while ((item = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, item, LVNI_SELECTED))) >=
           0) {
        if (static_cast<std::size_t>(item) < parts_.log.Size()) {
            rows.push_back(static_cast<std::size_t>(item));
        }
    }
    return rows;
}

void ChangeLogWindow::CopySelected() {
    const std::vector<std::size_t> rows = SelectedRows();
    if (!rows.empty() && parts_.copyText) {
        parts_.copyText(ChangeTabText(parts_.log, rows));
    }
}

void ChangeLogWindow::SaveAs() {
    if (!parts_.chooseFile) {
        return;
    }
    const std::optional<std::wstring> fileName =
        parts_.chooseFile(FileChoice::Save, saveDialog_, Handle());
    if (!fileName) {
        return;
    }
    std::string bytes;
    if (EndsWith(*fileName, L".jsonl") || EndsWith(*fileName, L".json")) {
        for (std::size_t i = 0; i < parts_.log.Size(); ++i) {
            bytes += ChangeJsonLine(parts_.log, parts_.log.Row(i));
        }
    } else {
        std::vector<std::size_t> rows(parts_.log.Size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i] = i;
        }
        bytes = ChangeCsv(parts_.log, rows);
    }
    WriteLogFile(*fileName, bytes);
}

void ChangeLogWindow::Activate(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= parts_.log.Size()) {
        return;
    }
    if (parts_.log.IsCurrent(parts_.log.Row(static_cast<std::size_t>(index)))) {
        note_.clear();
        ShowStatus();
        if (parts_.showPreview) {
            parts_.showPreview();
        }
        return;
    }
    note_ = Tr(L"The content of this change is gone.");
    ShowStatus();
}

bool ChangeLogWindow::OnCommand(int id, int, HWND) {
    switch (id) {
    case kSaveAs:
        SaveAs();
        return true;
    case kCopy:
        CopySelected();
        return true;
    case kClose:
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}

bool ChangeLogWindow::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != list_) {
        return false;
    }
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
        const auto index = static_cast<std::size_t>(info.item.iItem);
        if ((info.item.mask & LVIF_TEXT) != 0 && index < parts_.log.Size() &&
            info.item.iSubItem >= 0 && info.item.iSubItem < static_cast<int>(kChangeColumns)) {
            cell_ = ChangeCells(
                parts_.log, parts_.log.Row(index))[static_cast<std::size_t>(info.item.iSubItem)];
            info.item.pszText = cell_.data();
        }
        result = 0;
        return true;
    }
    case LVN_KEYDOWN: {
        const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (key.wVKey == 'C' && control) {
            CopySelected();
        } else if (key.wVKey == 'A' && control) {
            ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
        } else if (key.wVKey == VK_ESCAPE) {
            PostMessageW(Handle(), WM_CLOSE, 0, 0);
        }
        return true;
    }
    case LVN_ITEMCHANGED:
        if (!note_.empty()) {
            note_.clear();
            ShowStatus();
        }
        return true;
    case NM_DBLCLK:
        Activate(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        return true;
    default:
        return false;
    }
}

bool ChangeLogWindow::OnContextMenu(HWND from, POINT screen) {
    if (from != list_) {
        return false;
    }
    if (screen.x == -1 && screen.y == -1) {
        RECT frame{};
        GetWindowRect(list_, &frame);
        screen = {frame.left + 8, frame.top + 8};
    }
    Menu menu(CreatePopupMenu());
    if (!menu) {
        return true;
    }
    AppendItem(menu.get(), kCopy, Tr(L"Copy") + L"\tCtrl+C");
    AppendItem(menu.get(), kSaveAs, Tr(L"Save log as..."));
    const int chosen = static_cast<int>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                       screen.x, screen.y, 0, Handle(), nullptr));
    if (chosen != 0) {
        OnCommand(chosen, 0, nullptr);
    }
    return true;
}

void ChangeLogWindow::ReportHandlerError(const std::wstring& text) {
    if (parts_.reportError) {
        parts_.reportError(Handle(), text);
    } else {
        ShowErrorBox(Handle(), text);
    }
}

} // namespace tavrix::win32
