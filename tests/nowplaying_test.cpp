// Finding the player's window, cutting out the title and keeping the
// description tag in step. On Windows the windows are real top-level
// windows that each test opens and closes.
#include "nowplaying/probe.h"
#include "nowplaying/publisher.h"
#include "tests/module_fixture.h"

namespace {

const std::string suffix = " - VLC media player";

struct caption_row {
    std::string name;
    std::string caption;
    bool found;         // find_player_window picks the window
    bool matches;       // extract_title matches
    std::string title;  // group 1
    std::string tag;    // the tag text once enabled
};

void PrintTo(const caption_row& r, std::ostream* os) { *os << r.name; }

std::vector<caption_row> caption_rows()
{
    const std::string high = "Caf\xE9 \xFC" "ber \x80";
    const std::string s254 = std::string(254 - suffix.size(), 'a') + suffix;
    const std::string s255 = std::string(255 - suffix.size(), 'b') + suffix;
    const std::string s300 = std::string(300 - suffix.size(), 'c') + suffix;
    return {
        {"plain", "Song" + suffix, true, true, "Song", "[#SMSong#SM]"},
        {"suffix twice", "A" + suffix + suffix, true, true, "A" + suffix, "[#SMA - VLC media player#SM]"},
        {"empty title", suffix, true, true, "", "[Nothing playing]"},
        {"marker alone", "VLC media player", true, false, "", "[Nothing playing]"},
        {"trailing line feed", "Song" + suffix + "\n", true, false, "", "[Nothing playing]"},
        {"trailing blank", "Song" + suffix + " ", true, false, "", "[Nothing playing]"},
        {"lower-case suffix", "Song - vlc media player", false, false, "", "[Nothing playing]"},
        {"no marker", "Notepad", false, false, "", "[Nothing playing]"},
        {"bytes of 0x80 and above", high + suffix, true, true, high, "[#SM" + high + "#SM]"},
        {"CR LF inside", "Line1\r\nSong" + suffix, true, true, "Line1\r\nSong", "[#SMLine1  Song#SM]"},
        {"254 characters read whole", s254, true, true, s254.substr(0, 254 - suffix.size()),
         "[#SM" + s254.substr(0, 254 - suffix.size()) + "#SM]"},
        {"255 characters: marker lost", s255, false, false, "", "[Nothing playing]"},
        {"300 characters: marker lost", s300, false, false, "", "[Nothing playing]"},
    };
}

}  // namespace

class caption : public module_fixture, public ::testing::WithParamInterface<caption_row> {};

TEST_P(caption, is_found_cut_and_shown)
{
    const caption_row& r = GetParam();
    const desk_window w = desk_open("QWidget", r.caption);
    ASSERT_NE(w, 0u);

    const datastruct found = find_player_window("QWidget");
    EXPECT_EQ(found.hwnd != 0, r.found);
    if (r.found) {
        EXPECT_EQ(found.hwnd, w);
        EXPECT_EQ(found.title, r.caption.substr(0, 254));
        const std::optional<text> title = extract_title(found.title);
        EXPECT_EQ(title.has_value(), r.matches);
        if (title) {
            EXPECT_EQ(*title, r.title);
        }
    }

    load();
    enable();
    EXPECT_EQ(module_state.current_title, r.title);
    EXPECT_EQ(take_calls(), (lines{"moddocroot module 7 -> <docroot>", "modenable module 7: 0",
                                   "desctag_reg -> #1",
                                   "desctag_set #1: " + standin_escape(r.tag.data(), r.tag.size())}));
}

INSTANTIATE_TEST_SUITE_P(rows, caption, ::testing::ValuesIn(caption_rows()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });

using probe = module_fixture;

TEST_F(probe, extract_title_on_captions_no_window_can_hold)
{
    EXPECT_EQ(extract_title(""), std::nullopt);
    EXPECT_EQ(extract_title("- VLC media player"), std::nullopt);
    EXPECT_EQ(extract_title(std::string("A\0B", 3) + suffix), std::string("A\0B", 3));
    EXPECT_EQ(extract_title(std::string(5000, 'x') + suffix), std::string(5000, 'x'));
}

TEST_F(probe, class_must_match_exactly)
{
    desk_open("qwidget", "Song" + suffix);
    EXPECT_EQ(find_player_window("QWidget").hwnd, 0u);
    desk_close_all();
    const desk_window w = desk_open("Qt5QWindowIcon", "Song" + suffix);
    EXPECT_EQ(find_player_window("Qt5QWindowIcon").hwnd, w);
    EXPECT_EQ(find_player_window("QWidget").hwnd, 0u);
}

TEST_F(probe, an_idle_player_ahead_ends_the_search)
{
    desk_open("QWidget", "Playing" + suffix);
    const desk_window idle = desk_open("QWidget", "VLC media player");  // now on top
    EXPECT_EQ(find_player_window("QWidget").hwnd, idle);
    load();
    enable();
    EXPECT_EQ(module_state.current_title, "");
    EXPECT_EQ(take_calls().back(), "desctag_set #1: [Nothing playing]");
}

TEST_F(probe, only_windows_of_the_players_class_are_asked_for_their_caption)
{
    // The decoys open last, so they are on top and met first.
    const desk_window player = desk_open("QWidget", "Song" + suffix);
    desk_open("QWidget", "Notepad");  // the player's class, but no marker
    std::vector<desk_window> others;
    for (int i = 0; i < 20; ++i)
        others.push_back(desk_open("Other" + std::to_string(i % 4), "Decoy" + suffix));
    std::vector<std::size_t> before;
    for (desk_window w : others)
        before.push_back(desk_caption_requests(w));
    const std::size_t player_before = desk_caption_requests(player);

    EXPECT_EQ(find_player_window("QWidget").hwnd, player);
    EXPECT_EQ(desk_caption_requests(player), player_before + 1);
    for (std::size_t i = 0; i < others.size(); ++i)
        EXPECT_EQ(desk_caption_requests(others[i]), before[i]) << "decoy " << i;
}

TEST_F(probe, the_first_qualifying_window_wins)
{
    desk_open("QWidget", "Second" + suffix);
    desk_open("Other", "Decoy" + suffix);
    desk_open("QWidget", "First" + suffix);
    load();
    enable();
    EXPECT_EQ(module_state.current_title, "First");
}

// Timed refreshes. Each row plays ticks on an enabled module with a player
// and counts the refreshes that follow.
struct tick_row {
    const char* name;
    std::vector<std::pair<std::int32_t, std::int32_t>> ticks;  // {event, value}
    int refreshes;
    std::int32_t total_after;
};

void PrintTo(const tick_row& r, std::ostream* os) { *os << r.name; }

class ticks : public module_fixture, public ::testing::WithParamInterface<tick_row> {};

TEST_P(ticks, add_up_to_timed_refreshes)
{
    const tick_row& r = GetParam();
    desk_open("QWidget", "Song" + suffix);
    load();
    enable();
    take_calls();
    for (const auto& [event, value] : r.ticks)
        EXPECT_EQ(on_client(event, value), 0);
    const lines l = take_calls();
    EXPECT_EQ(l, lines(static_cast<std::size_t>(r.refreshes), "desctag_set #1: [#SMSong#SM]"));
    EXPECT_EQ(module_state.tick_total, r.total_after);
}

INSTANTIATE_TEST_SUITE_P(
    rows, ticks,
    ::testing::ValuesIn(std::vector<tick_row>{
        {"five_of_1000", {{6, 1000}, {6, 1000}, {6, 1000}, {6, 1000}, {6, 1000}}, 0, 5000},
        {"six_of_1000", {{6, 1000}, {6, 1000}, {6, 1000}, {6, 1000}, {6, 1000}, {6, 1000}}, 1, 0},
        {"exactly_6000", {{6, 6000}}, 1, 0},
        {"one_of_20000_drops_the_rest", {{6, 20000}, {6, 5999}}, 1, 5999},
        {"other_events_ignored", {{5, 6000}, {7, 6000}, {0, 6000}, {-6, 6000}}, 0, 0},
        {"negative_values_added", {{6, -4000}, {6, 9999}}, 0, 5999},
        {"huge_value_clamped_and_refreshes", {{6, INT32_MAX}, {6, INT32_MAX}}, 2, 0},
        {"overflow_past_the_top_still_refreshes", {{6, 5999}, {6, INT32_MAX}}, 1, 0},
        {"underflow_clamped", {{6, INT32_MIN}, {6, -1}}, 0, INT32_MIN},
    }),
    [](const auto& info) { return std::string(info.param.name); });

using tag = module_fixture;

TEST_F(tag, ticks_while_disabled_are_not_counted)
{
    desk_open("QWidget", "Song" + suffix);
    load();
    take_calls();
    on_client(6, 6000);
    on_client(6, 5000);
    EXPECT_EQ(module_state.tick_total, 0);
    EXPECT_EQ(calls(), lines{});
}

TEST_F(tag, registered_once_and_unregistered_once)
{
    load();
    enable();
    on_client(6, 6000);
    command({"vlc"});
    EXPECT_EQ(take_calls(), (lines{"moddocroot module 7 -> <docroot>", "modenable module 7: 0",
                                   "desctag_reg -> #1", "desctag_set #1: [Nothing playing]",
                                   "desctag_set #1: [Nothing playing]",
                                   "desctag_set #1: [Nothing playing]",
                                   "netoutline (30): :is currently playing nothing."}));
    disable();
    disable();
    EXPECT_EQ(take_calls(), lines{"desctag_unreg #1"});
    enable();
    EXPECT_EQ(take_calls(), (lines{"desctag_reg -> #2", "desctag_set #2: [Nothing playing]"}));
}

TEST_F(tag, a_refused_registration_is_asked_again_at_the_next_refresh)
{
    standin_queue_desctag_reg(0);
    load();
    enable();
    EXPECT_EQ(module_state.tag_id, 0);
    on_client(6, 6000);
    EXPECT_EQ(take_calls(), (lines{"moddocroot module 7 -> <docroot>", "modenable module 7: 0",
                                   "desctag_reg -> 0 (refused)", "desctag_reg -> #1",
                                   "desctag_set #1: [Nothing playing]"}));
}

TEST_F(tag, a_refresh_while_disabled_registers_but_sets_no_text)
{
    desk_open("QWidget", "Song" + suffix);
    load();
    take_calls();
    refresh_now_playing();
    EXPECT_EQ(module_state.current_title, "Song");
    EXPECT_EQ(take_calls(), lines{"desctag_reg -> #1"});
    unload();
    EXPECT_EQ(take_calls(), lines{"desctag_unreg #1"});
}

TEST_F(tag, follows_the_player_and_uses_the_templates)
{
    load();
    module_state.settings.desc_tag = "[{title}] {title}";
    enable();
    const desk_window w = desk_open("QWidget", "One" + suffix);
    on_client(6, 6000);
    desk_retitle(w, "Two" + suffix);
    on_client(6, 6000);
    desk_close(w);
    on_client(6, 6000);
    module_state.settings.desc_tag = "no slot";
    desk_open("QWidget", "Three" + suffix);
    on_client(6, 6000);
    const lines l = take_calls();
    EXPECT_EQ(lines(l.begin() + 3, l.end()),
              (lines{"desctag_set #1: [Nothing playing]", "desctag_set #1: [One] {title}",
                     "desctag_set #1: [Two] {title}", "desctag_set #1: [Nothing playing]",
                     "desctag_set #1: no slot"}));
}
