#pragma once
// The Find dialog: the pattern, text or hex bytes, letter case and encoding for text, the
// direction, and the buttons that find the next match or count them all. It says in itself what
// is wrong with a pattern; the search and its result belong to whoever opened it.
#include "ui/win32/ToolDialog.h"
#include "viewer/FindRequest.h"

#include <functional>
#include <string>

namespace tavrix::win32 {

class FindDialog final : public ToolDialog {
public:
    // What the buttons ask for: the settings as the dialog shows them, and whether to count.
    using Request = std::function<void(const FindSettings& settings, bool count)>;

    // closed runs when the user closes the dialog.
    FindDialog(Request request, std::function<void()> closed)
        : request_(std::move(request)), closed_(std::move(closed)) {}

    // Opens (or brings back) the dialog with settings; viewEncoding names the view's own
    // encoding in the encoding choice.
    void Open(HWND owner, const FindSettings& settings, const std::wstring& viewEncoding);
    FindSettings Settings() const;
    // A problem with the pattern, shown under the fields; empty clears it.
    void ShowProblem(const std::wstring& text);

    static constexpr int kPattern = 101;
    static constexpr int kText = 102;
    static constexpr int kHex = 103;
    static constexpr int kMatchCase = 104;
    static constexpr int kEncoding = 105;
    static constexpr int kUp = 106;
    static constexpr int kDown = 107;
    static constexpr int kCount = 108;
    static constexpr int kProblem = 109;

private:
    void Build(HWND owner);
    void OnControl(int id, int code) override;
    // The buttons need a pattern; the text options only apply to text.
    void UpdateControls();

    Request request_;
    std::function<void()> closed_;
};

} // namespace tavrix::win32
