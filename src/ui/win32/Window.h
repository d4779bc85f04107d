#pragma once
// Base class for the program's windows. The window procedure finds its object through
// GWLP_USERDATA, which is set from CREATESTRUCT::lpCreateParams at WM_NCCREATE and cleared at
// WM_NCDESTROY. Messages go to typed OnXxx handlers; whatever a handler leaves alone goes to
// DefWindowProcW. No exception leaves the window procedure: a handler that throws has its
// error shown in the program's error box.
#include <windows.h>

#include <string>

namespace tavrix::win32 {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Registers the class once per process (name taken from ClassName()).
    static void RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background,
                                  HCURSOR cursor, HICON icon = nullptr);

protected:
    // Creates the window of a class registered with RegisterClassOnce. Throws Error on failure.
    void CreateWindowOfClass(const wchar_t* className, DWORD exStyle, const std::wstring& caption,
                             DWORD style, int x, int y, int width, int height, HWND parent,
                             HMENU menu);

    // The switch over messages; derived classes override to add their own and call the base.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // Typed handlers. Returning false means "not handled": the default processing runs.
    virtual bool OnCreate(const CREATESTRUCTW&) { return true; }
    virtual void OnDestroy() {}
    virtual bool OnClose() { return false; }
    virtual void OnSize(UINT /*kind*/, int /*width*/, int /*height*/) {}
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
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

    // Reports an error that ended a handler; by default the program's error box.
    virtual void ReportHandlerError(const std::wstring& text);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

} // namespace tavrix::win32
