#pragma once
// The text of the program's Error that an action throws, for tests that check what the user
// would read.
#include "base/Error.h"

#include <string>

namespace tavrix::testing {

// "(no error)" when the action throws none.
template <typename Action> std::wstring ErrorText(Action&& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.Message();
    }
    return L"(no error)";
}

} // namespace tavrix::testing
