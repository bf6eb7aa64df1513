#include "host/standin_host.h"

#include <deque>
#include <string>
#include <vector>

namespace {

struct recorded_call {
    const char* function;
    std::int32_t a;
    std::int32_t b;
    std::string text;
    bool has_text;
};

std::vector<recorded_call> calls;
std::deque<std::int32_t> queued_reg_results;
std::int32_t next_tag_id = 1;
std::int32_t fixed_reg_result = -1;
std::string docroot;
bool docroot_is_null = false;
void (*call_observer)(int) = nullptr;

// Tells the observer that a host function runs, for as long as it runs.
struct host_call_scope {
    host_call_scope()
    {
        if (call_observer)
            call_observer(1);
    }
    ~host_call_scope()
    {
        if (call_observer)
            call_observer(0);
    }
};

void record(const char* function, std::int32_t a, std::int32_t b, const char* txt,
            bool has_text)
{
    calls.push_back({function, a, b, txt ? std::string(txt) : std::string(), has_text});
}

}  // namespace

extern "C" {

void F2_CALL f2_speak(const char* text)
{
    host_call_scope scope;
    record("speak", 0, 0, text, true);
}

void F2_CALL f2_netoutline(const char* text, std::int32_t length)
{
    host_call_scope scope;
    record("netoutline", length, 0, text, true);
}

std::int32_t F2_CALL f2_desctag_reg(void)
{
    host_call_scope scope;
    std::int32_t id;
    if (fixed_reg_result != -1) {
        id = fixed_reg_result;
    } else if (!queued_reg_results.empty()) {
        id = queued_reg_results.front();
        queued_reg_results.pop_front();
    } else {
        id = next_tag_id++;
    }
    record("desctag_reg", 0, id, nullptr, false);
    return id;
}

void F2_CALL f2_desctag_set(std::int32_t tag_id, const char* text)
{
    host_call_scope scope;
    record("desctag_set", tag_id, 0, text, true);
}

void F2_CALL f2_desctag_unreg(std::int32_t tag_id)
{
    host_call_scope scope;
    record("desctag_unreg", tag_id, 0, nullptr, false);
}

void F2_CALL f2_modenable(std::int32_t module_id, std::int32_t flag)
{
    host_call_scope scope;
    record("modenable", module_id, flag, nullptr, false);
}

const char* F2_CALL f2_moddocroot(std::int32_t module_id)
{
    host_call_scope scope;
    record("moddocroot", module_id, 0, docroot_is_null ? nullptr : docroot.c_str(),
           !docroot_is_null);
    return docroot_is_null ? nullptr : docroot.c_str();
}

void F2_CALL standin_reset(void)
{
    calls.clear();
    queued_reg_results.clear();
    next_tag_id = 1;
    fixed_reg_result = -1;
    docroot.clear();
    docroot_is_null = false;
}

void F2_CALL standin_set_docroot(const char* folder)
{
    docroot_is_null = folder == nullptr;
    docroot = folder ? folder : "";
}

void F2_CALL standin_queue_desctag_reg(std::int32_t result) { queued_reg_results.push_back(result); }

void F2_CALL standin_fix_desctag_reg(std::int32_t result) { fixed_reg_result = result; }

std::int32_t F2_CALL standin_call_count(void) { return static_cast<std::int32_t>(calls.size()); }

std::int32_t F2_CALL standin_get_call(std::int32_t index, standin_call* out)
{
    if (index < 0 || static_cast<std::size_t>(index) >= calls.size() || out == nullptr)
        return 0;
    const recorded_call& c = calls[static_cast<std::size_t>(index)];
    *out = {c.function, c.a, c.b, c.text.c_str(), static_cast<std::int32_t>(c.text.size()),
            c.has_text ? 1 : 0};
    return 1;
}

void F2_CALL standin_clear_calls(void) { calls.clear(); }

void F2_CALL standin_set_call_observer(void (*observer)(int entering)) { call_observer = observer; }
}
