// The six persisted settings and the settings file ROVIriv.ini, section
// "Main", in the module's document folder.
#pragma once

#include "common/text.h"

struct settings {
    bool auto_enable = false;  // AA: ask the host to enable the module at load
    text desc_tag;             // DescTag: tag text while a title plays
    text say;                  // Say: @vlc line while a title plays
    text desc_none;            // DescNone: tag text while nothing plays
    text say_none;             // SayNone: @vlc line while nothing plays
    text win_class;            // WinClass: class of the player's main window
};

extern const char* const settings_file_name;  // "ROVIriv.ini"
extern const char* const settings_section;    // "Main"

// Builds module_state.ini_path from the host's document folder and reads
// all six keys, each with its default.
void load_settings();
// Reads the five text keys again; AA keeps its value in memory.
void reload_messages();
// Writes all six keys, one at a time, in the table's order. A key that
// cannot be written throws std::runtime_error("Unable to write to <path>")
// and the keys after it are not written.
void save_settings();

// AA as a 32-bit integer: leading blanks, one optional sign, then decimal
// digits or hexadecimal ones after "$", "0x", "0X", "x" or "X". Any non-zero
// number is true; anything else, out of range or empty, is false.
bool parse_auto_enable(const text& value);
