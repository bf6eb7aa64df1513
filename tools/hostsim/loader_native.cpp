// The module is linked in; loading it anew means a zeroed state.
#include "module/module_state.h"
#include "tools/hostsim/module_hooks.h"

bool load_module_library(const std::string&, module_hooks& hooks, std::string&)
{
    reset_module_state();
    hooks = {on_module, on_client, on_command, on_world, on_wndproc, on_inet, on_onet};
    return true;
}

void unload_module_library(module_hooks& hooks)
{
    reset_module_state();
    hooks = {};
}
