// The module's single state record, shared by every hook.
#pragma once

#include <cstdint>

#include "common/text.h"
#include "settings/settings.h"

// Flags are 32-bit integers: 0 false, -1 (all bits set) true.
constexpr std::int32_t flag_true = -1;
constexpr std::int32_t flag_false = 0;

struct module_state {
    std::int32_t module_id = 0;     // the host's id, taken at MODULE_LOAD
    std::int32_t enabled = 0;       // flag; set only by MODULE_ENABLE / MODULE_DISABLE
    text ini_path;                  // full path of the settings file
    struct settings settings;       // the six persisted settings
    text current_title;             // title found at the last refresh; empty when none
    std::int32_t tag_id = 0;        // the host's description tag; 0 = none registered
    std::int32_t tick_total = 0;    // tick amounts since the last timed refresh
};

// Exists from library load to library unload; starts zeroed and empty.
extern struct module_state module_state;

// Back to the state of a freshly loaded library (what a library unload and
// load gives the host). Calls nothing.
void reset_module_state();
