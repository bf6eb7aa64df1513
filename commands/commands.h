// The chat commands the module answers: @VLC-AutoEnable, @vlc, @VLC-Reload.
#pragma once

#include <cstdint>

// on_command: argv[0] is the command word without its "@". result becomes
// -1 as soon as the word is one of the module's, before any of its work,
// so the host learns the command was handled even if that work fails.
void run_command(std::int32_t argc, char** argv, std::int32_t& result);
