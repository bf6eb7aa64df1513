// Readable lines for the stand-in host's recorded calls, as hostsim prints
// them and tests compare them, for instance
//   desctag_set #1: [#SMSong#SM]
//   netoutline (30): :is now playing <i>Song</i>#SM
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "host/standin_host.h"

// Bytes shown so that a line stays one printable line: backslash, control
// bytes and bytes of 0x80 and above are escaped.
inline std::string standin_escape(const char* p, std::size_t n)
{
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        switch (b) {
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (b < 0x20 || b >= 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", b);
                out += hex;
            } else {
                out += static_cast<char>(b);
            }
        }
    }
    return out;
}

inline std::string standin_format(const standin_call& c, const std::string& docroot = {})
{
    const std::string f = c.function;
    const std::string t = standin_escape(c.text, static_cast<std::size_t>(c.text_size));
    if (f == "speak") return "speak: " + t;
    if (f == "netoutline") return "netoutline (" + std::to_string(c.a) + "): " + t;
    if (f == "desctag_reg")
        return c.b ? "desctag_reg -> #" + std::to_string(c.b) : "desctag_reg -> 0 (refused)";
    if (f == "desctag_set") return "desctag_set #" + std::to_string(c.a) + ": " + t;
    if (f == "desctag_unreg") return "desctag_unreg #" + std::to_string(c.a);
    if (f == "modenable")
        return "modenable module " + std::to_string(c.a) + ": " + std::to_string(c.b);
    if (f == "moddocroot") {
        std::string shown = !c.has_text ? "(null)"
                            : (!docroot.empty() && c.text == docroot) ? "<docroot>"
                                                                      : t;
        return "moddocroot module " + std::to_string(c.a) + " -> " + shown;
    }
    return f + " ?";
}

// The calls recorded since the last reset or clear, as lines.
inline std::vector<std::string> standin_lines(const std::string& docroot = {})
{
    std::vector<std::string> lines;
    const std::int32_t n = standin_call_count();
    for (std::int32_t i = 0; i < n; ++i) {
        standin_call c{};
        if (standin_get_call(i, &c))
            lines.push_back(standin_format(c, docroot));
    }
    return lines;
}
