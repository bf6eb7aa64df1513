// hostsim: the stand-in host as a program. It loads the module, keeps a
// document folder, plays a script of host events and chat lines, and
// prints every call the module makes to the host as one readable line.
//
//   hostsim                      plays the built-in default scenario
//   hostsim SCRIPT | -           plays a script file, or standard input
//   hostsim --check SCRIPT...    plays each script and compares the output
//                                with SCRIPT's .expected file beside it
//   options: --docroot DIR (default: a fresh temporary folder),
//            --module PATH (Windows: the DLL to load),
//            --settings FILE (copied into the document folder as ROVIriv.ini)
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "host/standin_log.h"
#include "settings/ini.h"
#include "tools/desk/desk.h"
#include "tools/hostsim/module_hooks.h"

namespace fs = std::filesystem;

namespace {

const char* const default_scenario = R"(# The whole module at work, as the host drives it.
load 7
about
ini
enable
player Song - VLC media player
tick 3000
tick 2999
tick 1
@vlc
player Another Song - VLC media player
@vlc
close
tick 6000
@vlc
@VLC-AutoEnable
edit DescTag=<{title}>
@vlc-reload
player Back Again - VLC media player
tick 6000
@hello
disable
tick 6000
unload
ini
)";

struct session {
    module_hooks hooks;
    std::string docroot;
    desk_window player = 0;
    std::string player_class = "QWidget";
    std::string player_caption;
    std::vector<std::string> out;
    bool echo = true;
};

void emit(session& s, const std::string& line)
{
    s.out.push_back(line);
    if (s.echo)
        std::cout << line << '\n';
}

// The calls the module made since the last look, one line each.
void flush_calls(session& s)
{
    for (const std::string& l : standin_lines(s.docroot))
        emit(s, "  " + l);
    standin_clear_calls();
}

// Script texts may hold \r, \n, \t, \\ and \xHH.
std::string unescape(const std::string& in)
{
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\' || i + 1 >= in.size()) {
            out += in[i];
            continue;
        }
        const char c = in[++i];
        if (c == 'r') out += '\r';
        else if (c == 'n') out += '\n';
        else if (c == 't') out += '\t';
        else if (c == 'x' && i + 2 < in.size()) {
            out += static_cast<char>(std::stoi(in.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else out += c;
    }
    return out;
}

std::vector<std::string> split_words(const std::string& s)
{
    std::vector<std::string> words;
    std::istringstream in(s);
    for (std::string w; in >> w;)
        words.push_back(unescape(w));
    return words;
}

std::string ini_file(const session& s) { return (fs::path(s.docroot) / "ROVIriv.ini").string(); }

void show_ini(session& s)
{
    std::ifstream in(ini_file(s), std::ios::binary);
    if (!in) {
        emit(s, "  (no settings file)");
        return;
    }
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        emit(s, "  | " + standin_escape(line.data(), line.size()));
    }
}

void open_player(session& s)
{
    if (s.player)
        desk_close(s.player);
    s.player = desk_open(s.player_class, s.player_caption);
}

// Plays one script line. false for a line hostsim does not know.
bool play_line(session& s, const std::string& raw)
{
    std::string line = raw;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return true;
    line = line.substr(first);
    emit(s, "> " + line);

    const auto space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    const std::vector<std::string> args = split_words(rest);
    auto module = [&](std::int32_t code, void* data) {
        if (s.hooks.on_module)
            s.hooks.on_module(code, data);
    };

    if (verb[0] == '@') {
        std::vector<std::string> words = split_words(line.substr(1));
        std::vector<char*> argv;
        for (auto& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        const std::int32_t r =
            s.hooks.on_command(static_cast<std::int32_t>(words.size()), argv.data());
        flush_calls(s);
        emit(s, r ? "  (handled)" : "  (not the module's)");
        return true;
    }
    if (verb == "load") {
        std::int32_t record[4] = {args.empty() ? 1 : std::atoi(args[0].c_str()), 0, 0, 0};
        module(0, record);
    } else if (verb == "unload") {
        module(1, nullptr);
    } else if (verb == "enable") {
        module(2, nullptr);
    } else if (verb == "disable") {
        module(3, nullptr);
    } else if (verb == "about") {
        module(4, nullptr);
    } else if (verb == "tick" && !args.empty()) {
        const std::int32_t value = static_cast<std::int32_t>(std::strtoll(args[0].c_str(), nullptr, 10));
        const std::int32_t event = args.size() > 1 ? std::atoi(args[1].c_str()) : 6;
        s.hooks.on_client(event, value);
    } else if (verb == "player") {
        const std::string caption = unescape(rest);
        s.player_caption = caption;
        if (s.player)
            desk_retitle(s.player, caption);
        else
            open_player(s);
    } else if (verb == "player-class" && !args.empty()) {
        s.player_class = args[0];
        if (s.player)
            open_player(s);
    } else if (verb == "close") {
        if (s.player)
            desk_close(s.player);
        s.player = 0;
    } else if (verb == "ini") {
        show_ini(s);
    } else if (verb == "edit" && rest.find('=') != std::string::npos) {
        const std::string key = rest.substr(0, rest.find('='));
        const std::string value = unescape(rest.substr(rest.find('=') + 1));
        const std::string path = s.docroot + "\\ROVIriv.ini";
        if (!ini_write(path, "Main", key.c_str(), value))
            emit(s, "  (cannot write the settings file)");
    } else {
        emit(s, "  (unknown line)");
        return false;
    }
    flush_calls(s);
    return true;
}

std::string fresh_folder()
{
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path p = fs::temp_directory_path() / ("hostsim-" + std::to_string(rd() % 1000000000u));
        std::error_code ec;
        if (fs::create_directory(p, ec))
            return p.string();
    }
    throw std::runtime_error("cannot make a temporary document folder");
}

// Plays a whole script against a freshly loaded module and closes it all.
bool play(session& s, std::istream& script, const std::string& module_path)
{
    standin_reset();
    standin_set_docroot(s.docroot.c_str());
    std::string error;
    if (!load_module_library(module_path, s.hooks, error)) {
        std::cerr << "hostsim: " << error << '\n';
        return false;
    }
    bool ok = true;
    for (std::string line; std::getline(script, line);)
        ok = play_line(s, line) && ok;
    unload_module_library(s.hooks);
    desk_close_all();
    s.player = 0;
    return ok;
}

std::vector<std::string> read_lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

// Starts the document folder off with a settings file of the user's.
void seed_settings(const std::string& docroot, const std::string& settings_file)
{
    if (!settings_file.empty())
        fs::copy_file(settings_file, fs::path(docroot) / "ROVIriv.ini",
                      fs::copy_options::overwrite_existing);
}

int check(const std::vector<std::string>& scripts, const std::string& module_path,
          const std::string& settings_file)
{
    int failed = 0;
    for (const std::string& script : scripts) {
        session s;
        s.echo = false;
        s.docroot = fresh_folder();
        seed_settings(s.docroot, settings_file);
        std::ifstream in(script);
        const std::string expected_path = fs::path(script).replace_extension(".expected").string();
        const std::vector<std::string> expected = read_lines(expected_path);
        const bool played = in && play(s, in, module_path);
        std::error_code ec;
        fs::remove_all(s.docroot, ec);
        if (played && s.out == expected && !expected.empty()) {
            std::cout << "ok     " << script << '\n';
            continue;
        }
        ++failed;
        std::cout << "FAILED " << script << (played ? "" : " (did not play)") << '\n';
        const std::size_t n = std::max(s.out.size(), expected.size());
        for (std::size_t i = 0; i < n; ++i) {
            const std::string got = i < s.out.size() ? s.out[i] : "<none>";
            const std::string want = i < expected.size() ? expected[i] : "<none>";
            if (got != want) {
                std::cout << "  line " << i + 1 << "\n    expected: " << want
                          << "\n    actual:   " << got << '\n';
                break;
            }
        }
        std::cout << "  --- actual transcript ---\n";
        for (const std::string& l : s.out)
            std::cout << "  " << l << '\n';
    }
    std::cout << scripts.size() - failed << " passed, " << failed << " failed\n";
    return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string docroot, module_path, script, settings_file;
    std::vector<std::string> checks;
    bool checking = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--docroot" && i + 1 < argc) docroot = argv[++i];
        else if (a == "--module" && i + 1 < argc) module_path = argv[++i];
        else if (a == "--settings" && i + 1 < argc) settings_file = argv[++i];
        else if (a == "--check") checking = true;
        else if (checking) checks.push_back(a);
        else if (script.empty()) script = a;
        else {
            std::cerr << "usage: hostsim [--docroot DIR] [--module PATH] [--settings FILE]"
                         " [SCRIPT | - | --check SCRIPT...]\n";
            return 2;
        }
    }
    try {
        if (checking)
            return check(checks, module_path, settings_file);

        session s;
        const bool own_folder = docroot.empty();
        s.docroot = own_folder ? fresh_folder() : docroot;
        seed_settings(s.docroot, settings_file);
        std::cerr << "hostsim: document folder " << s.docroot << '\n';
        bool ok;
        if (script.empty()) {
            std::istringstream in(default_scenario);
            ok = play(s, in, module_path);
        } else if (script == "-") {
            ok = play(s, std::cin, module_path);
        } else {
            std::ifstream in(script);
            if (!in) {
                std::cerr << "hostsim: cannot read " << script << '\n';
                return 2;
            }
            ok = play(s, in, module_path);
        }
        if (own_folder) {
            std::error_code ec;
            fs::remove_all(s.docroot, ec);
        }
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "hostsim: " << e.what() << '\n';
        return 2;
    }
}
