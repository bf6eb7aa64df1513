// The module's boundary: the hooks, their results and the lifecycle codes.
#include "tests/module_fixture.h"

using shell = module_fixture;

const lines about_lines = {
    "speak: Tunecrier V1.0.3",
    "speak: Tunecrier: now playing from VLC, written by the Tunecrier team.",
    "speak: [VLC] <a href=\"https://tunecrier.invalid/support\">Support Website</a>",
    "speak: Commands: @VLC-AutoEnable, @VLC-Reload, @vlc",
};

TEST_F(shell, unknown_codes_do_nothing)
{
    load();
    enable();
    take_calls();
    const struct module_state before = module_state;
    for (std::int32_t code : {5, 100, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE("code " + std::to_string(code));
        std::int32_t record[1] = {99};
        EXPECT_EQ(on_module(code, record), 0);
        EXPECT_EQ(calls(), lines{});
        EXPECT_EQ(module_state.module_id, before.module_id);
        EXPECT_EQ(module_state.enabled, before.enabled);
        EXPECT_EQ(module_state.tag_id, before.tag_id);
    }
}

TEST_F(shell, about_speaks_four_lines_in_any_state)
{
    EXPECT_EQ(on_module(4, nullptr), 0);
    EXPECT_EQ(take_calls(), about_lines) << "before any load";
    load();
    take_calls();
    EXPECT_EQ(on_module(4, nullptr), 0);
    EXPECT_EQ(take_calls(), about_lines) << "loaded, disabled";
    enable();
    take_calls();
    EXPECT_EQ(on_module(4, nullptr), 0);
    EXPECT_EQ(take_calls(), about_lines) << "enabled";
}

TEST_F(shell, hooks_without_work_return_zero_and_call_nothing)
{
    load();
    enable();
    take_calls();
    EXPECT_EQ(on_world(), 0);
    EXPECT_EQ(on_wndproc(), 0);
    on_inet();
    on_onet();
    EXPECT_EQ(calls(), lines{});
    EXPECT_EQ(module_state.enabled, -1);
}

TEST_F(shell, load_takes_the_id_from_the_record_and_asks_to_be_enabled_per_setting)
{
    struct row {
        const char* name;
        const char* ini;  // null: no file
        std::int32_t flag;
    };
    const row rows[] = {
        {"no settings file", nullptr, 0},
        {"AA absent", "[Main]\r\nSay=x\r\n", 0},
        {"AA=1", "[Main]\r\nAA=1\r\n", -1},
        {"AA=0", "[Main]\r\nAA=0\r\n", 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        reset_module_state();
        std::filesystem::remove(ini_file());
        if (r.ini)
            write_ini(r.ini);
        take_calls();
        std::int32_t record[3] = {4242, 17, 18};
        EXPECT_EQ(on_module(0, record), 0);
        EXPECT_EQ(module_state.module_id, 4242);
        EXPECT_EQ(calls(), (lines{"moddocroot module 4242 -> <docroot>",
                                  "modenable module 4242: " + std::to_string(r.flag)}));
    }
}

TEST_F(shell, load_clears_the_tick_total_and_forgets_the_tag)
{
    load();
    enable();
    on_client(6, 5000);
    ASSERT_EQ(module_state.tick_total, 5000);
    ASSERT_NE(module_state.tag_id, 0);
    take_calls();
    load();
    EXPECT_EQ(module_state.tick_total, 0);
    EXPECT_EQ(module_state.tag_id, 0);
    EXPECT_EQ(calls(), (lines{"moddocroot module 7 -> <docroot>", "modenable module 7: 0"}))
        << "the old tag is forgotten, not unregistered";
}

TEST_F(shell, load_without_a_record_does_nothing)
{
    EXPECT_EQ(on_module(0, nullptr), 0);
    EXPECT_EQ(calls(), lines{});
    EXPECT_EQ(module_state.module_id, 0);
    EXPECT_EQ(module_state.ini_path, "");
}

TEST_F(shell, disable_without_a_tag_calls_nothing)
{
    load();
    take_calls();
    EXPECT_EQ(on_module(3, nullptr), 0);
    EXPECT_EQ(calls(), lines{});
    EXPECT_EQ(module_state.enabled, 0);
}

TEST_F(shell, enable_refreshes_then_clears_the_total)
{
    load();
    enable();
    on_client(6, 5999);
    disable();
    take_calls();
    // A total left from the earlier enabled period must not bring the
    // next timed refresh forward.
    enable();
    EXPECT_EQ(module_state.enabled, -1);
    EXPECT_EQ(module_state.tick_total, 0);
    EXPECT_EQ(take_calls(), (lines{"desctag_reg -> #2", "desctag_set #2: [Nothing playing]"}));
    on_client(6, 1);
    EXPECT_EQ(calls(), lines{});
}
