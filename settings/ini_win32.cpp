// The settings file through the Windows profile functions.
#include <windows.h>

#include "settings/ini.h"

text ini_read(const text& path, const char* section, const char* key, const text& def)
{
    char buffer[ini_value_limit + 1];
    const DWORD n = GetPrivateProfileStringA(section, key, def.c_str(), buffer,
                                             sizeof buffer, path.c_str());
    return text(buffer, n);
}

bool ini_write(const text& path, const char* section, const char* key, const text& value)
{
    return WritePrivateProfileStringA(section, key, value.c_str(), path.c_str()) != 0;
}
