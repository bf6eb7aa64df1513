// The stand-in host: our own furn2.dll (a library linked with the module in
// native builds). It records every call the module makes, in order, and
// lets a test or hostsim set the document folder and the results of
// f2_desctag_reg.
#pragma once

#include <cstdint>

#include "host/furn2.h"

extern "C" {

// One recorded call. `text` is the stand-in's own copy, valid until the
// next reset or clear; `has_text` tells whether the function takes a text.
struct standin_call {
    const char* function;  // "speak", "netoutline", "desctag_reg", ...
    std::int32_t a;        // first integer: tag id, module id or length
    std::int32_t b;        // second integer: flag, or the result of desctag_reg
    const char* text;
    std::int32_t text_size;
    std::int32_t has_text;
};

// Forgets every call and queued result, and the document folder becomes "".
F2_API void F2_CALL standin_reset(void);
// The folder f2_moddocroot returns; a null pointer makes it return null.
F2_API void F2_CALL standin_set_docroot(const char* folder);
// Queues the result of a later f2_desctag_reg. With none queued it hands
// out 1, 2, 3, ... in turn.
F2_API void F2_CALL standin_queue_desctag_reg(std::int32_t result);
// Every later f2_desctag_reg returns this (0 = refuse) until reset;
// -1 turns the override off.
F2_API void F2_CALL standin_fix_desctag_reg(std::int32_t result);
F2_API std::int32_t F2_CALL standin_call_count(void);
// Fills *out with call number index; 0 when there is no such call.
F2_API std::int32_t F2_CALL standin_get_call(std::int32_t index, standin_call* out);
F2_API void F2_CALL standin_clear_calls(void);
// Called with 1 as each host function starts and with 0 as it returns;
// null for none. Lets a test tell the host's own work from the module's.
F2_API void F2_CALL standin_set_call_observer(void (*observer)(int entering));
}
