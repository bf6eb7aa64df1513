// A host and files that do their worst. Each row ends with the module still
// answering MODULE_ABOUT, and a good settings file keeping all it held.
#include <functional>

#include "settings/ini.h"
#include "tests/module_fixture.h"

namespace {

const std::string suffix = " - VLC media player";
const std::string good_file =
    "[Main]\r\nAA=1\r\nDescTag=Good {title}\r\nSay=:good {title}\r\nDescNone=good none\r\n"
    "SayNone=:good nothing\r\nWinClass=QWidget\r\n";

struct hostile_row {
    const char* name;
    std::function<void(module_fixture&)> act;
    bool unload;  // false where unloading would write outside the test's folder
};

void PrintTo(const hostile_row& r, std::ostream* os) { *os << r.name; }

// Points the module at a folder of its own under the test's folder.
std::string other_folder(module_fixture& f, const char* name)
{
    const auto p = f.folder / name;
    std::filesystem::create_directory(p);
    return p.string();
}

void load_from(module_fixture& f, const std::string& root)
{
    standin_set_docroot(root.c_str());
    f.load();
    f.enable();
    on_client(6, 6000);
    f.command({"vlc"});
}

void bad_file(module_fixture& f, const std::string& content)
{
    const std::string root = other_folder(f, "bad");
    std::ofstream(f.folder / "bad" / "ROVIriv.ini", std::ios::binary) << content;
    load_from(f, root);
}

std::vector<hostile_row> hostile_rows()
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    const std::string mb(1 << 20, 'm');

    return {
        {"docroot_null", [](module_fixture& f) { load_from(f, {}); standin_set_docroot(nullptr); f.load(); }, false},
        {"docroot_empty", [](module_fixture& f) { load_from(f, ""); }, false},
        {"desctag_reg_always_0",
         [](module_fixture& f) {
             standin_fix_desctag_reg(0);
             desk_open("QWidget", "Song" + suffix);
             f.load();
             f.enable();
             for (int i = 0; i < 5; ++i)
                 on_client(6, 6000);
             EXPECT_EQ(f.command({"vlc"}), -1);
             EXPECT_EQ(f.calls().back(), "netoutline (10): :good Song");
         },
         true},
        {"settings_path_is_a_folder",
         [](module_fixture& f) {
             const std::string root = other_folder(f, "dir");
             std::filesystem::create_directory(f.folder / "dir" / "ROVIriv.ini");
             load_from(f, root);
             EXPECT_EQ(module_state.settings.say_none, ":is currently playing nothing.");
             f.unload();
             EXPECT_EQ(module_state.tag_id, 0);
             EXPECT_TRUE(std::filesystem::is_directory(f.folder / "dir" / "ROVIriv.ini"));
         },
         true},
        {"binary_settings_file", [binary](module_fixture& f) { bad_file(f, binary); f.unload(); }, true},
        {"one_megabyte_lines",
         [mb](module_fixture& f) {
             bad_file(f, "[Main]\r\nSay=" + mb + "\r\n" + mb + "\r\nDescTag=" + mb + "\r\n");
             EXPECT_EQ(module_state.settings.say, mb.substr(0, 2047));
             f.unload();
         },
         true},
        {"section_header_without_end",
         [](module_fixture& f) {
             bad_file(f, "[Main\r\nAA=1\r\nSay=x\r\n");
             EXPECT_EQ(module_state.settings.say, ":is now playing <i>{title}</i>#SM");
             f.unload();
         },
         true},
        {"caption_of_control_bytes",
         [](module_fixture& f) {
             std::string caption;
             while (caption.size() < 254 - suffix.size())
                 caption += static_cast<char>(1 + caption.size() % 31);
             desk_open("QWidget", caption + suffix);
             f.load();
             f.enable();
             f.command({"vlc"});
             const std::string line = f.calls().back();
             EXPECT_EQ(line, "netoutline (" + std::to_string(6 + caption.size()) + "): :good " +
                                 std::string(caption.size(), ' '));
         },
         true},
        {"million_ticks_of_1",
         [](module_fixture& f) {
             desk_open("QWidget", "Song" + suffix);
             f.load();
             f.enable();
             standin_clear_calls();
             for (int i = 0; i < 1000000; ++i)
                 on_client(6, 1);
             EXPECT_EQ(f.calls().size(), 166u);
             EXPECT_EQ(module_state.tick_total, 1000000 % 6000);
         },
         true},
        {"million_ticks_of_minus_1",
         [](module_fixture& f) {
             f.load();
             f.enable();
             standin_clear_calls();
             for (int i = 0; i < 1000000; ++i)
                 on_client(6, -1);
             EXPECT_EQ(f.calls(), lines{});
             EXPECT_EQ(module_state.tick_total, -1000000);
         },
         true},
        {"long_and_high_words",
         [](module_fixture& f) {
             f.load();
             std::string high;
             for (int b = 0x80; b <= 0xFF; ++b)
                 high += static_cast<char>(b);
             EXPECT_EQ(f.command({std::string(100000, 'v'), high}), 0);
             EXPECT_EQ(f.command({high, std::string(100000, 'v')}), 0);
             EXPECT_EQ(f.command({"vlc", std::string(100000, 'v'), high}), -1);
         },
         true},
    };
}

}  // namespace

class hostile : public module_fixture, public ::testing::WithParamInterface<hostile_row> {};

TEST_P(hostile, module_survives_and_keeps_the_good_settings)
{
    const hostile_row& row = GetParam();
    write_ini(good_file);
    row.act(*this);

    standin_set_docroot(docroot.c_str());
    standin_clear_calls();
    EXPECT_EQ(on_module(4, nullptr), 0);
    EXPECT_EQ(calls().size(), 4u) << "the module still answers MODULE_ABOUT";
    if (row.unload) {
        // The good file, loaded and written back, holds all it held.
        reset_module_state();
        load();
        unload();
    }
    const std::string path = docroot + "\\ROVIriv.ini";
    EXPECT_EQ(ini_read(path, "Main", "AA", "-"), "1");
    EXPECT_EQ(ini_read(path, "Main", "DescTag", "-"), "Good {title}");
    EXPECT_EQ(ini_read(path, "Main", "Say", "-"), ":good {title}");
    EXPECT_EQ(ini_read(path, "Main", "DescNone", "-"), "good none");
    EXPECT_EQ(ini_read(path, "Main", "SayNone", "-"), ":good nothing");
    EXPECT_EQ(ini_read(path, "Main", "WinClass", "-"), "QWidget");
}

INSTANTIATE_TEST_SUITE_P(rows, hostile, ::testing::ValuesIn(hostile_rows()),
                         [](const auto& info) { return std::string(info.param.name); });
