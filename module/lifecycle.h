// What the host's lifecycle notifications (on_module) do.
#pragma once

#include <cstdint>

enum module_code : std::uint32_t {
    MODULE_LOAD = 0,
    MODULE_UNLOAD = 1,
    MODULE_ENABLE = 2,
    MODULE_DISABLE = 3,
    MODULE_ABOUT = 4,
};

// Dispatches one notification. Codes are compared unsigned; every code
// outside 0 to 4 does nothing. data is read only for MODULE_LOAD.
void dispatch_module(std::int32_t code, const void* data);

void module_load(const void* data);
void module_unload();
void module_enable();
void module_disable();
void show_about();
