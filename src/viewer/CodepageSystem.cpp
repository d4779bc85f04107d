#include "viewer/CodepageSystem.h"

#include "base/PortSlot.h"
#include "base/UiText.h"

namespace tavrix {

namespace {
constinit PortSlot<CodepageSystem> g_system;
}

void InstallCodepageSystem(CodepageSystem* system) {
    g_system.Install(system);
}

CodepageSystem& CurrentCodepageSystem() {
    return g_system.Get([] { return Tr(L"Code pages not available"); });
}

} // namespace tavrix
