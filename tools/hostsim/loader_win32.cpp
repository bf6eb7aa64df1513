// Loads Tunecrier.dll the way the host does: LoadLibrary, then each hook
// by its undecorated name. furn2.dll, our stand-in, sits beside it.
#include <windows.h>

#include "tools/hostsim/module_hooks.h"

namespace {

HMODULE library = nullptr;

template <class F>
bool bind(F& slot, const char* name, std::string& error)
{
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    if (!slot)
        error += std::string(error.empty() ? "" : ", ") + name;
    return slot != nullptr;
}

std::string default_module_path()
{
    char exe[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string dir(exe, n);
    const auto slash = dir.find_last_of("\\/");
    dir = slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
    return dir + "Tunecrier.dll";
}

}  // namespace

bool load_module_library(const std::string& module_path, module_hooks& hooks, std::string& error)
{
    const std::string path = module_path.empty() ? default_module_path() : module_path;
    library = LoadLibraryA(path.c_str());
    if (!library) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    std::string missing;
    bool ok = bind(hooks.on_module, "on_module", missing);
    ok = bind(hooks.on_client, "on_client", missing) && ok;
    ok = bind(hooks.on_command, "on_command", missing) && ok;
    ok = bind(hooks.on_world, "on_world", missing) && ok;
    ok = bind(hooks.on_wndproc, "on_wndproc", missing) && ok;
    ok = bind(hooks.on_inet, "on_inet", missing) && ok;
    ok = bind(hooks.on_onet, "on_onet", missing) && ok;
    if (!ok) {
        error = path + " lacks " + missing;
        unload_module_library(hooks);
    }
    return ok;
}

void unload_module_library(module_hooks& hooks)
{
    if (library)
        FreeLibrary(library);
    library = nullptr;
    hooks = {};
}
