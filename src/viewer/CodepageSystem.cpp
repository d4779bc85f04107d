#include "viewer/CodepageSystem.h"

#include "base/Error.h"

namespace tavrix {

namespace {
CodepageSystem* g_system = nullptr;
}

void InstallCodepageSystem(CodepageSystem* system) {
    g_system = system;
}

CodepageSystem& CurrentCodepageSystem() {
    if (g_system == nullptr) {
        throw Error(L"Code pages not available");
    }
    return *g_system;
}

} // namespace tavrix
