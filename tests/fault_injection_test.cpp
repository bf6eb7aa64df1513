// Exhausted memory at every allocation of each hook's work: the allocator
// fails at the k-th allocation the module makes, for every k until the work
// completes without meeting the failure. Whatever fails, the hook returns
// its result, nothing escapes to the host, the state stays consistent and
// the next hook call works. Leaks are LeakSanitizer's to find (native-asan).
#include <cstdlib>
#include <functional>
#include <new>
#include <set>

#include "nowplaying/publisher.h"
#include "tests/module_fixture.h"

namespace {

long allocations = 0;      // allocations counted while armed
long fail_at = 0;          // 0: disarmed
long fail_at_next = 0;     // what arm() sets fail_at to
bool failed = false;       // the armed failure happened
int inside_host = 0;       // the stand-in host's own work is never failed
long live_blocks = 0;      // blocks from operator new not yet deleted

void* allocate(std::size_t n, bool nothrow)
{
    if (fail_at > 0 && inside_host == 0 && ++allocations == fail_at) {
        failed = true;
        if (nothrow)
            return nullptr;
        throw std::bad_alloc();
    }
    void* p = std::malloc(n ? n : 1);
    if (!p) {
        if (nothrow)
            return nullptr;
        throw std::bad_alloc();
    }
    ++live_blocks;
    return p;
}

void release(void* p) noexcept
{
    if (p) {
        --live_blocks;
        std::free(p);
    }
}

// Called by each row right before the hook, once its own arguments exist.
void arm() { fail_at = fail_at_next; }

void observe_host(int entering) { inside_host += entering ? 1 : -1; }

}  // namespace

void* operator new(std::size_t n) { return allocate(n, false); }
void* operator new[](std::size_t n) { return allocate(n, false); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return allocate(n, true); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return allocate(n, true); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }

namespace {

const std::string suffix = " - VLC media player";

// The tags the host holds for the module, from the recorded calls.
std::set<std::int32_t> live_tags()
{
    std::set<std::int32_t> tags;
    for (std::int32_t i = 0; i < standin_call_count(); ++i) {
        standin_call c{};
        standin_get_call(i, &c);
        const std::string f = c.function;
        if (f == "desctag_reg" && c.b != 0) tags.insert(c.b);
        if (f == "desctag_unreg") tags.erase(c.a);
    }
    return tags;
}

struct fault_row {
    const char* name;
    std::function<void(module_fixture&)> prepare;
    std::function<std::int32_t(module_fixture&)> hook;  // returns the hook's result
    std::int32_t result;
    bool allocates = true;  // false: the work must not allocate at all
};

void PrintTo(const fault_row& r, std::ostream* os) { *os << r.name; }

void load_enabled(module_fixture& f)
{
    f.write_ini("[Main]\r\nAA=1\r\nDescTag=<{title}>\r\nSay=:hears {title}\r\n");
    desk_open("QWidget", "A rather long song title that will not fit in a small string" + suffix);
    f.load();
    f.enable();
}

std::vector<fault_row> fault_rows()
{
    auto hook_module = [](std::int32_t code) {
        return [code](module_fixture&) {
            std::int32_t record[1] = {7};
            arm();
            return on_module(code, record);
        };
    };
    auto hook_command = [](std::string word) {
        return [word](module_fixture&) {
            std::string w = word, more = "and a further word";
            char* argv[] = {w.data(), more.data(), nullptr};
            arm();
            return on_command(2, argv);
        };
    };
    return {
        {"load", [](module_fixture& f) { f.write_ini("[Main]\r\nAA=1\r\nDescTag=<{title}>\r\n"); },
         hook_module(0), 0},
        {"enable", [](module_fixture& f) { load_enabled(f); f.disable(); }, hook_module(2), 0},
        {"timed_refresh", load_enabled, [](module_fixture&) { arm(); return on_client(6, 6000); }, 0},
        {"vlc", load_enabled, hook_command("vlc"), -1},
        {"vlc_autoenable", load_enabled, hook_command("VLC-AutoEnable"), -1, false},
        {"vlc_reload", load_enabled, hook_command("VLC-Reload"), -1},
        {"unload", load_enabled, hook_module(1), 0},
    };
}

}  // namespace

class fault : public module_fixture, public ::testing::WithParamInterface<fault_row> {
protected:
    void SetUp() override
    {
        module_fixture::SetUp();
        standin_set_call_observer(observe_host);
    }
    void TearDown() override
    {
        fail_at = 0;
        standin_set_call_observer(nullptr);
        module_fixture::TearDown();
    }
};

TEST_P(fault, every_allocation_failing_in_turn_is_contained)
{
    const fault_row& row = GetParam();
    int injected = 0;
    for (long k = 1;; ++k) {
        SCOPED_TRACE("failing allocation " + std::to_string(k));
        reset_module_state();
        standin_reset();
        standin_set_docroot(docroot.c_str());
        desk_close_all();
        std::filesystem::remove(ini_file());
        row.prepare(*this);

        allocations = 0;
        failed = false;
        fail_at_next = k;
        std::int32_t result = 12345;
        EXPECT_NO_THROW(result = row.hook(*this));
        fail_at = 0;
        EXPECT_EQ(result, row.result);
        if (!failed)
            break;
        ++injected;

        // The state is one the module can go on from.
        EXPECT_TRUE(module_state.enabled == 0 || module_state.enabled == -1);
        EXPECT_GE(module_state.tick_total, 0);
        EXPECT_LT(module_state.tick_total, 6000);
        const std::set<std::int32_t> tags = live_tags();
        if (module_state.tag_id != 0) {
            EXPECT_EQ(tags, std::set<std::int32_t>{module_state.tag_id}) << "the tag held is the host's";
        } else {
            EXPECT_LE(tags.size(), 1u);
        }

        // The next hook calls work in full.
        standin_clear_calls();
        load();
        enable();
        EXPECT_EQ(on_client(6, 6000), 0);
        EXPECT_EQ(command({"vlc"}), -1);
        const lines l = calls();
        ASSERT_GE(l.size(), 2u);
        EXPECT_EQ(l.back().rfind("netoutline (", 0), 0u) << l.back();
        unload();
        EXPECT_EQ(module_state.tag_id, 0);
        ASSERT_LT(k, 100000) << "the work never completes";
    }
    if (row.allocates) {
        EXPECT_GT(injected, 0) << "the work allocates nothing, so nothing was tested";
    } else {
        EXPECT_EQ(injected, 0) << "this work cannot run out of memory";
    }
}

INSTANTIATE_TEST_SUITE_P(hooks, fault, ::testing::ValuesIn(fault_rows()),
                         [](const auto& info) { return std::string(info.param.name); });

// Many refreshes of a playing title leave no more memory in use than one.
using growth = module_fixture;

TEST_F(growth, refresh_cycles_keep_no_memory)
{
    desk_open("QWidget", "A rather long song title that will not fit in a small string" + suffix);
    load();
    enable();
    command({"vlc"});
    standin_clear_calls();
    const long before = live_blocks;
    for (int i = 0; i < 100000; ++i)
        on_client(6, 6000);
    const long grown = live_blocks - before;
    standin_clear_calls();
    EXPECT_LE(live_blocks - before, 0) << "blocks still in use: " << grown;
    EXPECT_EQ(module_state.current_title,
              "A rather long song title that will not fit in a small string");
}
