#include "commands/commands.h"

#include "host/furn2.h"
#include "module/module_state.h"
#include "nowplaying/publisher.h"
#include "settings/settings.h"

namespace {

void toggle_auto_enable()
{
    bool& on = module_state.settings.auto_enable;
    on = !on;
    f2_speak(on ? "Tunecrier: Auto-Init is now On" : "Tunecrier: Auto-Init is now Off");
}

void announce_title()
{
    refresh_now_playing();
    const struct settings& s = module_state.settings;
    const text line = module_state.current_title.empty()
                          ? s.say_none
                          : fill_title(s.say, printable_title(module_state.current_title));
    f2_netoutline(line.c_str(), static_cast<std::int32_t>(line.size()));
}

void reload()
{
    reload_messages();
    f2_speak("[VLC] Messages reloaded.");
    refresh_now_playing();
}

struct command {
    const char* word;
    void (*action)();
};

// Compared in this order against the upper-cased first word.
const command command_table[] = {
    {"VLC-AUTOENABLE", toggle_auto_enable},
    {"VLC", announce_title},
    {"VLC-RELOAD", reload},
};

// Upper case for the ASCII letters a to z only.
text upper_ascii(const char* word)
{
    text out = word;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

void run_command(std::int32_t argc, char** argv, std::int32_t& result)
{
    result = 0;
    if (argc <= 0 || argv == nullptr || argv[0] == nullptr)
        return;
    const text word = upper_ascii(argv[0]);
    for (const command& c : command_table) {
        if (word == c.word) {
            result = -1;
            c.action();
            return;
        }
    }
}
