// One key of a private profile (INI) file at a time, the way the Windows
// profile functions treat it: section and key names match without regard
// to case, blanks around names and values are dropped, one pair of
// matching enclosing quotes is dropped on reading, and a value is read up
// to ini_value_limit characters. The path uses a backslash between folders.
#pragma once

#include "common/text.h"

constexpr std::size_t ini_value_limit = 2047;

// The key's value, or def when the file, the section or the key is absent.
// Never fails.
text ini_read(const text& path, const char* section, const char* key, const text& def);

// Writes one key; creates the file (never the folder). false on failure.
bool ini_write(const text& path, const char* section, const char* key, const text& value);
