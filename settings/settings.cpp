#include "settings/settings.h"

#include <cstdint>
#include <stdexcept>

#include "host/furn2.h"
#include "module/module_state.h"
#include "settings/ini.h"

const char* const settings_file_name = "ROVIriv.ini";
const char* const settings_section = "Main";

namespace {

// The settings file's keys with their defaults, in the order they are read
// and written. AA is first and is the only one that is not a text.
struct setting_key {
    const char* key;
    const char* def;
    text settings::*field;  // null for AA
};

const setting_key keys[] = {
    {"AA", "0", nullptr},
    {"DescTag", "[#SM{title}#SM]", &settings::desc_tag},
    {"Say", ":is now playing <i>{title}</i>#SM", &settings::say},
    {"DescNone", "[Nothing playing]", &settings::desc_none},
    {"SayNone", ":is currently playing nothing.", &settings::say_none},
    {"WinClass", "QWidget", &settings::win_class},
};

void read_keys(bool with_auto_enable)
{
    struct settings& s = module_state.settings;
    for (const setting_key& k : keys) {
        if (k.field) {
            s.*k.field = ini_read(module_state.ini_path, settings_section, k.key, k.def);
        } else if (with_auto_enable) {
            s.auto_enable = parse_auto_enable(
                ini_read(module_state.ini_path, settings_section, k.key, ""));
        }
    }
}

}  // namespace

void load_settings()
{
    const char* folder = f2_moddocroot(module_state.module_id);
    module_state.ini_path = text(folder ? folder : "") + "\\" + settings_file_name;
    read_keys(true);
}

void reload_messages() { read_keys(false); }

void save_settings()
{
    const struct settings& s = module_state.settings;
    for (const setting_key& k : keys) {
        const text value = k.field ? s.*k.field : text(s.auto_enable ? "1" : "0");
        if (!ini_write(module_state.ini_path, settings_section, k.key, value))
            throw std::runtime_error("Unable to write to " + module_state.ini_path);
    }
}

bool parse_auto_enable(const text& value)
{
    std::size_t i = 0;
    const std::size_t n = value.size();
    while (i < n && value[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';

    bool hex = false;
    if (i < n && (value[i] == '$' || value[i] == 'x' || value[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < n && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n)
        return false;  // nothing after the sign or prefix

    if (hex) {
        std::uint32_t number = 0;
        int significant = 0;
        for (; i < n; ++i) {
            const char c = value[i];
            int digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return false;
            if (significant > 0 || digit != 0)
                ++significant;
            if (significant > 8)
                return false;
            number = number * 16 + static_cast<std::uint32_t>(digit);
        }
        // Taken as an unsigned 32-bit number; the sign cannot make a
        // non-zero number zero.
        return number != 0;
    }

    std::int64_t number = 0;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (; i < n; ++i) {
        const char c = value[i];
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
        if (number > limit)
            return false;
    }
    return number != 0;
}
