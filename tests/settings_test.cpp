// The settings file: the same cases against the Windows profile functions
// (under Wine) and against our own INI layer.
#include "settings/ini.h"
#include "settings/settings.h"
#include "tests/module_fixture.h"

struct aa_row {
    const char* value;
    bool expected;
};

void PrintTo(const aa_row& r, std::ostream* os) { *os << "'" << r.value << "'"; }

class auto_enable_parse : public ::testing::TestWithParam<aa_row> {};

TEST_P(auto_enable_parse, reads_as_expected)
{
    EXPECT_EQ(parse_auto_enable(GetParam().value), GetParam().expected)
        << "AA='" << GetParam().value << "'";
}

INSTANTIATE_TEST_SUITE_P(
    values, auto_enable_parse,
    ::testing::ValuesIn(std::vector<aa_row>{
        {"1", true}, {"0x10", true}, {"$10", true}, {"-1", true}, {"0X1f", true},
        {"x1", true}, {"X1", true}, {"+7", true}, {"   1", true}, {"-$1", true},
        {"2147483647", true}, {"-2147483648", true},
        {"FFFFFFFF", false},          // hexadecimal needs its prefix
        {"$FFFFFFFF", true},          // -1 as an unsigned 32-bit number
        {"$000000001", true},         // leading zeros are not significant
        {"$100000000", false},        // nine significant digits
        {"2147483648", false}, {"-2147483649", false}, {"99999999999999999999", false},
        {"0", false}, {"", false}, {"-0", false}, {"$0", false}, {"1.0", false},
        {"1x", false}, {"yes", false}, {"true", false}, {"+", false}, {"-", false},
        {"$", false}, {"0x", false}, {"\t1", false}, {"1 ", false}, {"--1", false},
        {"+-1", false}, {"0x-1", false}, {"$G", false}}));

// Reads through the module's settings path, from a file the test wrote.
struct read_row {
    const char* name;
    const char* file;  // null: no file
    text settings::*field;
    const char* expected;
};

struct settings_file : module_fixture {
    void load_quietly()
    {
        load();
        take_calls();
    }
};

TEST_F(settings_file, reads_each_case_as_the_profile_functions_do)
{
    const std::string long_value(3000, 'v');
    const std::string long_file = "[Main]\r\nSay=" + long_value + "\r\n";
    const read_row rows[] = {
        {"no file: DescTag default", nullptr, &settings::desc_tag, "[#SM{title}#SM]"},
        {"no file: Say default", nullptr, &settings::say, ":is now playing <i>{title}</i>#SM"},
        {"no file: DescNone default", nullptr, &settings::desc_none, "[Nothing playing]"},
        {"no file: SayNone default", nullptr, &settings::say_none, ":is currently playing nothing."},
        {"no file: WinClass default", nullptr, &settings::win_class, "QWidget"},
        {"empty value is empty, not the default", "[Main]\r\nDescNone=\r\n", &settings::desc_none, ""},
        {"other section only", "[Other]\r\nDescTag=x\r\n", &settings::desc_tag, "[#SM{title}#SM]"},
        {"names without regard to case", "[mAIN]\r\nwinclass=Qt5QWindowIcon\r\n", &settings::win_class, "Qt5QWindowIcon"},
        {"blanks around names and values", "  [ Main ]  \r\n  Say  =  hello there  \r\n", &settings::say, "hello there"},
        {"double quotes dropped", "[Main]\r\nDescTag=\" x \"\r\n", &settings::desc_tag, " x "},
        {"single quotes dropped", "[Main]\r\nDescTag='y'\r\n", &settings::desc_tag, "y"},
        {"unmatched quotes kept", "[Main]\r\nDescTag=\"y'\r\n", &settings::desc_tag, "\"y'"},
        {"lone quote kept", "[Main]\r\nDescTag=\"\r\n", &settings::desc_tag, "\""},
        {"line feeds alone", "[Main]\nSayNone=lf\n", &settings::say_none, "lf"},
        {"first section of that name", "[Main]\r\nSay=one\r\n[Main]\r\nSay=two\r\nDescTag=t\r\n", &settings::desc_tag, "[#SM{title}#SM]"},
        {"header without its bracket", "[Main\r\nSay=x\r\n", &settings::say, ":is now playing <i>{title}</i>#SM"},
        {"comment is no key", "[Main]\r\n;Say=x\r\n", &settings::say, ":is now playing <i>{title}</i>#SM"},
    };
    for (const read_row& r : rows) {
        SCOPED_TRACE(r.name);
        std::filesystem::remove(ini_file());
        if (r.file)
            write_ini(r.file);
        reset_module_state();
        load_quietly();
        EXPECT_EQ(module_state.settings.*r.field, r.expected);
    }

    SCOPED_TRACE("a 3000-character value");
    write_ini(long_file);
    reset_module_state();
    load_quietly();
    EXPECT_EQ(module_state.settings.say, long_value.substr(0, 2047));
}

TEST_F(settings_file, auto_enable_through_the_file)
{
    const std::pair<const char*, std::int32_t> rows[] = {
        {"1", -1}, {"0x10", -1}, {"$10", -1}, {"-1", -1}, {"0", 0}, {"", 0},
        {"1.0", 0}, {"1x", 0}, {"yes", 0}, {"true", 0},
    };
    for (const auto& [value, flag] : rows) {
        SCOPED_TRACE(std::string("AA=") + value);
        write_ini(std::string("[Main]\r\nAA=") + value + "\r\n");
        reset_module_state();
        load();
        EXPECT_EQ(take_calls().back(), "modenable module 7: " + std::to_string(flag));
    }
}

TEST_F(settings_file, ini_path_is_the_document_folder_a_backslash_and_the_name)
{
    load_quietly();
    EXPECT_EQ(module_state.ini_path, docroot + "\\ROVIriv.ini");
    for (const char* root : {"", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(root ? "empty folder" : "null folder");
        standin_set_docroot(root);
        reset_module_state();
        load();
        EXPECT_EQ(module_state.ini_path, "\\ROVIriv.ini");
    }
}

TEST_F(settings_file, unload_writes_all_six_keys_in_order)
{
    load_quietly();
    unload();
    EXPECT_EQ(ini_lines(), (lines{"[Main]", "AA=0", "DescTag=[#SM{title}#SM]",
                                  "Say=:is now playing <i>{title}</i>#SM",
                                  "DescNone=[Nothing playing]",
                                  "SayNone=:is currently playing nothing.", "WinClass=QWidget"}));
}

TEST_F(settings_file, six_values_survive_a_save_and_a_load)
{
    load_quietly();
    struct settings& s = module_state.settings;
    s.auto_enable = true;
    s.desc_tag = "<{title}> {title}";
    s.say = ":plays 'x' \"{title}\" now";
    s.desc_none = "";
    s.say_none = std::string(2047, 'n');
    s.win_class = "Qt5QWindowIcon";
    const struct settings saved = s;
    unload();
    reset_module_state();
    load();
    EXPECT_EQ(take_calls().back(), "modenable module 7: -1");
    EXPECT_EQ(s.auto_enable, saved.auto_enable);
    EXPECT_EQ(s.desc_tag, saved.desc_tag);
    EXPECT_EQ(s.say, saved.say);
    EXPECT_EQ(s.desc_none, saved.desc_none);
    EXPECT_EQ(s.say_none, saved.say_none);
    EXPECT_EQ(s.win_class, saved.win_class);
    EXPECT_NE(std::find(ini_lines().begin(), ini_lines().end(), "DescNone="), ini_lines().end());
}

TEST_F(settings_file, a_save_keeps_other_sections_keys_and_comments)
{
    write_ini("; written by hand\r\n[Before]\r\nkeep=1\r\n[Main]\r\n; about the module\r\n"
              "Extra=stay\r\nsay=old\r\n[After]\r\nalso=2\r\n");
    load_quietly();
    EXPECT_EQ(module_state.settings.say, "old");
    unload();
    const lines l = ini_lines();
    auto has = [&](const std::string& line) {
        return std::find(l.begin(), l.end(), line) != l.end();
    };
    EXPECT_TRUE(has("; written by hand"));
    EXPECT_TRUE(has("; about the module"));
    const std::string path = docroot + "\\ROVIriv.ini";
    EXPECT_EQ(ini_read(path, "Before", "keep", "-"), "1");
    EXPECT_EQ(ini_read(path, "Main", "Extra", "-"), "stay");
    EXPECT_EQ(ini_read(path, "After", "also", "-"), "2");
    EXPECT_EQ(ini_read(path, "Main", "Say", "-"), "old");
    EXPECT_EQ(ini_read(path, "Main", "WinClass", "-"), "QWidget");
    EXPECT_TRUE(has("say=old")) << "a key keeps its name as written and its place";
    EXPECT_EQ(std::count_if(l.begin(), l.end(), [](const std::string& x) { return x.rfind("[", 0) == 0; }), 3);
}

TEST_F(settings_file, toggled_auto_enable_reaches_the_file_only_at_unload)
{
    for (const auto& [toggles, stored] : {std::pair{1, "AA=1"}, std::pair{2, "AA=0"}}) {
        SCOPED_TRACE(std::to_string(toggles) + " toggles");
        std::filesystem::remove(ini_file());
        reset_module_state();
        load_quietly();
        for (int i = 0; i < toggles; ++i)
            command({"VLC-AutoEnable"});
        EXPECT_FALSE(std::filesystem::exists(ini_file()));
        unload();
        EXPECT_EQ(ini_lines().at(1), stored);
    }
}

TEST_F(settings_file, missing_folder_unload_returns_writes_nothing_and_drops_the_tag)
{
    const std::string gone = (folder / "not-there").string();
    standin_set_docroot(gone.c_str());
    load();
    enable();
    ASSERT_NE(module_state.tag_id, 0);
    take_calls();
    EXPECT_EQ(on_module(1, nullptr), 0);
    EXPECT_EQ(calls(), lines{"desctag_unreg #1"});
    EXPECT_EQ(module_state.tag_id, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "not-there"));
    EXPECT_EQ(on_module(4, nullptr), 0);
    EXPECT_EQ(calls().size(), 5u) << "the module still answers";
}

TEST_F(settings_file, reload_takes_edited_texts_but_not_auto_enable)
{
    load_quietly();
    unload();
    write_ini("[Main]\r\nAA=1\r\nDescTag=T {title}\r\nSay=S {title}\r\nDescNone=N\r\n"
              "SayNone=SN\r\nWinClass=W\r\n");
    reload_messages();
    const struct settings& s = module_state.settings;
    EXPECT_FALSE(s.auto_enable);
    EXPECT_EQ(s.desc_tag, "T {title}");
    EXPECT_EQ(s.say, "S {title}");
    EXPECT_EQ(s.desc_none, "N");
    EXPECT_EQ(s.say_none, "SN");
    EXPECT_EQ(s.win_class, "W");
    unload();
    EXPECT_EQ(ini_lines().at(1), "AA=0") << "the edit to AA is overwritten";
}

// The INI layer itself: what a write leaves behind.
using ini_layer = module_fixture;

TEST_F(ini_layer, writes_replace_add_and_create_where_they_belong)
{
    const std::string path = docroot + "\\ROVIriv.ini";
    write_ini("[A]\r\nx=1\r\n\r\n[Main]\r\nk=old\r\n\r\n[B]\r\ny=2\r\n");
    struct row {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
    };
    const row rows[] = {
        {"replace in place", "Main", "K", "new"},
        {"add to the end of its section", "Main", "added", "v"},
        {"add a section at the end", "C", "z", "3"},
        {"empty value", "A", "x", ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(ini_write(path, r.section, r.key, r.value));
        EXPECT_EQ(ini_read(path, r.section, r.key, "-"), r.value);
    }
    EXPECT_EQ(ini_read(path, "B", "y", "-"), "2");
    EXPECT_EQ(ini_read(path, "B", "added", "-"), "-") << "stays in its own section";
    const lines l = ini_lines();
    std::vector<std::string> non_blank;
    for (const auto& x : l)
        if (!x.empty())
            non_blank.push_back(x);
    EXPECT_EQ(non_blank, (lines{"[A]", "x=", "[Main]", "k=new", "added=v", "[B]", "y=2", "[C]", "z=3"}));
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename(), "ROVIriv.ini") << "no temporary file left behind";
}

TEST_F(ini_layer, a_file_without_its_folder_is_never_created)
{
    const std::string path = (folder / "missing").string() + "\\ROVIriv.ini";
    EXPECT_FALSE(ini_write(path, "Main", "AA", "1"));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_EQ(ini_read(path, "Main", "AA", "def"), "def");
}
