#include "ToolErrors.h"

#include "base/Error.h"

#include <exception>
#include <string>

namespace tavrix {

int RunReportingErrors(ToolConsole& console, int failureCode, const std::function<int()>& command) {
    try {
        return command();
    } catch (const Error& e) {
        console.Err(e.Message());
    } catch (const std::exception& e) {
        const std::string what = e.what();
        console.Err(std::wstring(what.begin(), what.end()));
    }
    return failureCode;
}

} // namespace tavrix
