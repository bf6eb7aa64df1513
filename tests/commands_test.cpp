// The chat commands, through on_command as the host calls it.
#include "tests/module_fixture.h"

namespace {
const std::string suffix = " - VLC media player";
}

using commands = module_fixture;

TEST_F(commands, vlc_announces_the_title_enabled_or_not)
{
    desk_open("QWidget", "Song" + suffix);
    load();
    take_calls();
    EXPECT_EQ(command({"vlc"}), -1);
    EXPECT_EQ(take_calls(), (lines{"desctag_reg -> #1",
                                   "netoutline (30): :is now playing <i>Song</i>#SM"}))
        << "disabled: the refresh registers a tag but sets no text";
    enable();
    take_calls();
    EXPECT_EQ(command({"Vlc", "ignored", "words"}), -1);
    EXPECT_EQ(take_calls(), (lines{"desctag_set #1: [#SMSong#SM]",
                                   "netoutline (30): :is now playing <i>Song</i>#SM"}));
}

TEST_F(commands, vlc_with_no_player_says_nothing_is_playing)
{
    load();
    enable();
    take_calls();
    EXPECT_EQ(command({"VLC"}), -1);
    EXPECT_EQ(calls(), (lines{"desctag_set #1: [Nothing playing]",
                              "netoutline (30): :is currently playing nothing."}));
}

TEST_F(commands, vlc_sends_the_templates_as_they_stand)
{
    struct row {
        const char* name;
        const char* say;
        const char* say_none;
        bool playing;
        std::string expected;
    };
    const row rows[] = {
        {"Say without a slot", "no slot here", "-", true, "netoutline (12): no slot here"},
        {"only the first slot", "{title}/{title}", "-", true, "netoutline (12): Song/{title}"},
        {"empty SayNone", "-", "", false, "netoutline (0): "},
        {"SayNone is not filled", "-", "none {title}", false, "netoutline (12): none {title}"},
    };
    const desk_window w = desk_open("QWidget", "Song" + suffix);
    load();
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        desk_retitle(w, r.playing ? "Song" + suffix : "VLC media player");
        module_state.settings.say = r.say;
        module_state.settings.say_none = r.say_none;
        take_calls();
        EXPECT_EQ(command({"vlc"}), -1);
        EXPECT_EQ(calls().back(), r.expected);
    }
}

TEST_F(commands, control_bytes_of_a_title_reach_the_line_as_blanks)
{
    desk_open("QWidget", "Evil\r\n:quit\x01\x7F" + suffix);
    load();
    take_calls();
    command({"vlc"});
    EXPECT_EQ(calls().back(), "netoutline (39): :is now playing <i>Evil  :quit  </i>#SM");
    EXPECT_EQ(module_state.current_title, "Evil\r\n:quit\x01\x7F") << "the raw title is kept";
    module_state.settings.say = "{title}\r\n";
    take_calls();
    command({"vlc"});
    EXPECT_EQ(calls().back(), "netoutline (15): Evil  :quit  \\r\\n") << "the template's own bytes stay";
}

TEST_F(commands, reload_reads_speaks_and_then_refreshes)
{
    desk_open("QWidget", "Song" + suffix);
    load();
    enable();
    unload();
    write_ini("[Main]\r\nAA=1\r\nDescTag=<{title}>\r\n");
    take_calls();
    EXPECT_EQ(command({"vlc-reload", "x"}), -1);
    EXPECT_EQ(calls(), (lines{"speak: [VLC] Messages reloaded.", "desctag_reg -> #2",
                              "desctag_set #2: <Song>"}));
    EXPECT_FALSE(module_state.settings.auto_enable);
}

TEST_F(commands, auto_enable_toggles_in_memory_only)
{
    load();
    take_calls();
    EXPECT_EQ(command({"VLC-AutoEnable"}), -1);
    EXPECT_EQ(take_calls(), lines{"speak: Tunecrier: Auto-Init is now On"});
    EXPECT_TRUE(module_state.settings.auto_enable);
    EXPECT_EQ(command({"vlc-autoenable"}), -1);
    EXPECT_EQ(take_calls(), lines{"speak: Tunecrier: Auto-Init is now Off"});
    EXPECT_FALSE(module_state.settings.auto_enable);
    EXPECT_FALSE(std::filesystem::exists(ini_file()));
}

TEST_F(commands, other_words_and_bad_input_return_zero_and_call_nothing)
{
    load();
    enable();
    take_calls();
    for (const char* word : {"vlcx", "VLC ", " VLC", "", "VLC-", "VLC-RELOADX", "\xF6vlc", "v\xEC" "c"}) {
        SCOPED_TRACE(std::string("word '") + word + "'");
        EXPECT_EQ(command({word}), 0);
    }
    char vlc[] = "vlc";
    char* argv[] = {vlc, nullptr};
    char* null_first[] = {nullptr, vlc};
    EXPECT_EQ(on_command(0, argv), 0) << "argc 0";
    EXPECT_EQ(on_command(-1, argv), 0) << "argc -1";
    EXPECT_EQ(on_command(1, null_first), 0) << "null first word";
    EXPECT_EQ(on_command(1, nullptr), 0) << "null word list";
    EXPECT_EQ(calls(), lines{});
}
