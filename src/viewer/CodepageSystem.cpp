#include "viewer/CodepageSystem.h"

#include "base/Error.h"
#include "base/UiText.h"

namespace tavrix {

namespace {
CodepageSystem* g_system = nullptr;
}

void InstallCodepageSystem(CodepageSystem* system) {
    g_system = system;
}

CodepageSystem& CurrentCodepageSystem() {
    if (g_system == nullptr) {
        throw Error(Tr(L"Code pages not available"));
    }
    return *g_system;
}

} // namespace tavrix
