// The host's API library, furn2.dll: the seven functions the module calls.
// All are cdecl. Texts are NUL-terminated ANSI strings, valid only during
// the call; a text the host returns is copied at once.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define F2_CALL __cdecl
#else
#define F2_CALL
#endif

// The stand-in host exports these from its own furn2.dll; everyone else
// imports them.
#if defined(_WIN32) && defined(FURN2_STANDIN_BUILD)
#define F2_API __declspec(dllexport)
#else
#define F2_API
#endif

extern "C" {
F2_API void F2_CALL f2_speak(const char* text);
F2_API void F2_CALL f2_netoutline(const char* text, std::int32_t length);
F2_API std::int32_t F2_CALL f2_desctag_reg(void);
F2_API void F2_CALL f2_desctag_set(std::int32_t tag_id, const char* text);
F2_API void F2_CALL f2_desctag_unreg(std::int32_t tag_id);
F2_API void F2_CALL f2_modenable(std::int32_t module_id, std::int32_t flag);
F2_API const char* F2_CALL f2_moddocroot(std::int32_t module_id);
}
