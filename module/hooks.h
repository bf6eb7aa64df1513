// The seven hooks the host calls, exported cdecl under these exact names.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define HOOK_CALL __cdecl
#define HOOK_EXPORT extern "C" __declspec(dllexport)
#else
#define HOOK_CALL
#define HOOK_EXPORT extern "C" __attribute__((visibility("default")))
#endif

HOOK_EXPORT std::int32_t HOOK_CALL on_module(std::int32_t code, void* data);
HOOK_EXPORT std::int32_t HOOK_CALL on_client(std::int32_t event, std::int32_t value);
HOOK_EXPORT std::int32_t HOOK_CALL on_command(std::int32_t argc, char** argv);
HOOK_EXPORT std::int32_t HOOK_CALL on_world();
HOOK_EXPORT std::int32_t HOOK_CALL on_wndproc();
HOOK_EXPORT void HOOK_CALL on_inet();
HOOK_EXPORT void HOOK_CALL on_onet();
