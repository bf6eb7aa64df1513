// How hostsim reaches the module: through the real DLL on Windows, through
// the linked-in module elsewhere.
#pragma once

#include <cstdint>
#include <string>

#include "module/hooks.h"

struct module_hooks {
    std::int32_t(HOOK_CALL* on_module)(std::int32_t, void*) = nullptr;
    std::int32_t(HOOK_CALL* on_client)(std::int32_t, std::int32_t) = nullptr;
    std::int32_t(HOOK_CALL* on_command)(std::int32_t, char**) = nullptr;
    std::int32_t(HOOK_CALL* on_world)() = nullptr;
    std::int32_t(HOOK_CALL* on_wndproc)() = nullptr;
    void(HOOK_CALL* on_inet)() = nullptr;
    void(HOOK_CALL* on_onet)() = nullptr;
};

// Loads the module afresh (library load: a zeroed state). module_path may be
// empty for the default place. false and a reason when it cannot be loaded.
bool load_module_library(const std::string& module_path, module_hooks& hooks, std::string& error);
// Library unload: the module's state is gone.
void unload_module_library(module_hooks& hooks);
