#pragma once
// Base class for the program's windows. The window procedure finds its object in a slot of the
// window, set from CREATESTRUCT::lpCreateParams at WM_NCCREATE and cleared at WM_NCDESTROY:
// GWLP_USERDATA for the program's own windows, the class's extra bytes for controls (a host may
// use a control's user data for itself). Messages go to typed OnXxx handlers; whatever a handler
// leaves alone goes to DefWindowProcW. No exception leaves the window procedure: what a handler
// throws goes to the window's error policy, ReportHandlerError. An error while the window is
// being created fails the creation, so no half-built window is left behind. The base keeps the
// resolution the window is drawn at, and moves a top-level window to the frame the system offers
// when it reaches a screen of another resolution; the window only scales its contents.
#include "base/Error.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

namespace tavrix::win32 {

// Where a window class keeps the pointer to its object.
enum class ObjectSlot { UserData, ExtraBytes };

// Thrown by CreateWindowOfClass when the window's own creation handler failed. The window has
// reported that error through its policy already; whoever catches this only unwinds.
class CreationAborted : public Error {
public:
    using Error::Error;
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // The resolution the window is drawn at, in pixels per inch: read when it is created, then
    // followed as it moves between screens.
    int Dpi() const { return dpi_; }
    // Takes a new resolution: a parent that scales passes its own on to a child drawn for it.
    // Does nothing when the resolution is the one the window has.
    void ChangeDpi(int dpi);

    // Registers the class once per process. Throws Error with the system's reason on failure.
    static void RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background,
                                  HCURSOR cursor, HICON icon = nullptr,
                                  ObjectSlot slot = ObjectSlot::UserData);

protected:
    // Creates the window of a class registered with RegisterClassOnce. Throws CreationAborted
    // when the creation handler failed, Error with the system's reason on any other failure.
    void CreateWindowOfClass(const wchar_t* className, DWORD exStyle, const std::wstring& caption,
                             DWORD style, int x, int y, int width, int height, HWND parent,
                             HMENU menu);

    // The switch over messages; derived classes override to add their own and call the base.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // Typed handlers. Returning false means "not handled": the default processing runs.
    // OnCreate returning false or throwing fails the creation.
    virtual bool OnCreate(const CREATESTRUCTW&) { return true; }
    virtual void OnDestroy() {}
    // The session ends (ending true) or a query to end it was refused (false); the process may
    // be ended after this without the window being destroyed.
    virtual void OnEndSession(bool /*ending*/) {}
    virtual bool OnClose() { return false; }
    virtual void OnSize(UINT /*kind*/, int /*width*/, int /*height*/) {}
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // A context menu is asked for in window from, at a screen point; from the keyboard (Shift+F10,
    // the menu key) the point is (-1, -1).
    virtual bool OnContextMenu(HWND /*from*/, POINT /*screen*/) { return false; }
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    virtual bool OnPaint() { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnShowWindow(bool /*shown*/) { return false; }
    virtual bool OnEraseBackground(HDC /*dc*/) { return false; }
    virtual bool OnMouseButton(UINT /*message*/, int /*x*/, int /*y*/, WPARAM /*keys*/) {
        return false;
    }
    virtual bool OnMouseMove(int /*x*/, int /*y*/, WPARAM /*keys*/) { return false; }
    virtual bool OnSetCursor(HWND /*over*/, UINT /*hitTest*/) { return false; }
    virtual bool OnScroll(bool /*vertical*/, int /*request*/) { return false; }
    virtual bool OnMouseWheel(int /*delta*/, WPARAM /*keys*/) { return false; }
    virtual bool OnGetMinMaxInfo(MINMAXINFO& /*info*/) { return false; }
    // Dpi() changed from previousDpi: scale and lay out the contents. A top-level window is
    // moved to the frame the system offers afterwards.
    virtual void OnDpiChanged(int /*previousDpi*/) {}
    // WM_GETOBJECT: an object for assistive technology. Nothing by default, which leaves the
    // answer to the system.
    virtual std::optional<LRESULT> OnGetObject(WPARAM /*flags*/, LPARAM /*objectId*/) {
        return std::nullopt;
    }
    // Files were dropped on a window that accepts them. The list goes back to the system when
    // the handler returns or throws.
    virtual void OnDropFiles(HDROP /*drop*/) {}

    // The error policy: what happens to the error that ended a handler. By default the
    // program's error box; a window may log or drop it instead.
    virtual void ReportHandlerError(const std::wstring& text);

private:
    template <int Slot>
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The error barrier around HandleMessage.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    HWND handle_ = nullptr;
    int slot_ = GWLP_USERDATA;
    int dpi_ = 96;
    // Set when the creation handler failed; the text of its error, already reported.
    bool creationFailed_ = false;
    std::wstring creationError_;
};

} // namespace tavrix::win32
