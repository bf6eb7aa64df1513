// The library's boundary. Each hook hands its arguments to a plain
// procedure inside one guard: nothing thrown inside (a settings file that
// cannot be written, exhausted memory) ever reaches the host. A failure
// ends that hook's work, and the hook still returns its result.
#include "module/hooks.h"

#include "commands/commands.h"
#include "module/lifecycle.h"
#include "nowplaying/publisher.h"

#define GUARDED(work) \
    try {             \
        work;         \
    } catch (...) {   \
    }

std::int32_t HOOK_CALL on_module(std::int32_t code, void* data)
{
    GUARDED(dispatch_module(code, data));
    return 0;
}

std::int32_t HOOK_CALL on_client(std::int32_t event, std::int32_t value)
{
    GUARDED(handle_tick(event, value));
    return 0;
}

std::int32_t HOOK_CALL on_command(std::int32_t argc, char** argv)
{
    std::int32_t result = 0;  // set to -1 as soon as the word is the module's
    GUARDED(run_command(argc, argv, result));
    return result;
}

std::int32_t HOOK_CALL on_world() { return 0; }

std::int32_t HOOK_CALL on_wndproc() { return 0; }

void HOOK_CALL on_inet() {}

void HOOK_CALL on_onet() {}
