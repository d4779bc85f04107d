#pragma once
// The Go to offset dialog: one field for the offset, and the place to say what is wrong with it.
#include "ui/win32/ToolDialog.h"

#include <functional>
#include <optional>
#include <string>

namespace tavrix::win32 {

class GoToDialog final : public ToolDialog {
public:
    // Goes to what the user typed: nothing when it went there (the dialog closes), else what is
    // wrong (the dialog stays and says it).
    using Request = std::function<std::optional<std::wstring>(const std::wstring& text)>;

    explicit GoToDialog(Request request) : request_(std::move(request)) {}

    void Open(HWND owner);

    static constexpr int kOffset = 101;
    static constexpr int kProblem = 102;

private:
    void OnControl(int id, int code) override;

    Request request_;
};

} // namespace tavrix::win32
