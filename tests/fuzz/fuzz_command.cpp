// on_command with arbitrary word lists and player captions: the result is
// -1 exactly for the module's words, and the line sent never holds a
// control byte that came from the title.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "host/standin_log.h"
#include "module/hooks.h"
#include "nowplaying/standin_desktop.h"

namespace {
std::string folder;
window_handle player = 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder = (std::filesystem::temp_directory_path() / ("fuzz-command-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(folder);
    standin_set_docroot(folder.c_str());
    std::int32_t record[1] = {1};
    on_module(0, record);
    on_module(2, nullptr);
    player = standin_desktop_open("QWidget", "Song - VLC media player");
    return 0;
}

// Input: the caption, then NUL-separated words.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (;;) {
        const auto nul = input.find('\0', at);
        parts.push_back(input.substr(at, nul - at));
        if (nul == std::string::npos)
            break;
        at = nul + 1;
    }
    standin_desktop_retitle(player, parts[0] + " - VLC media player");
    std::vector<char*> argv;
    for (std::size_t i = 1; i < parts.size(); ++i)
        argv.push_back(parts[i].data());
    argv.push_back(nullptr);
    const auto argc = static_cast<std::int32_t>(argv.size() - 1);

    standin_clear_calls();
    const std::int32_t result = on_command(argc, argv.data());

    std::string word = argc > 0 ? parts[1] : std::string("-");
    for (char& c : word)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    const bool ours = argc > 0 && (word == "VLC" || word == "VLC-AUTOENABLE" || word == "VLC-RELOAD");
    if (result != (ours ? -1 : 0))
        std::abort();
    for (std::int32_t i = 0; i < standin_call_count(); ++i) {
        standin_call c{};
        standin_get_call(i, &c);
        if (std::string(c.function) == "netoutline" || std::string(c.function) == "desctag_set")
            for (std::int32_t j = 0; j < c.text_size; ++j) {
                const auto b = static_cast<unsigned char>(c.text[j]);
                if ((b >= 0x01 && b <= 0x1F) || b == 0x7F)
                    std::abort();
            }
        if (std::string(c.function) == "netoutline" && c.a != c.text_size)
            std::abort();
    }
    return 0;
}
