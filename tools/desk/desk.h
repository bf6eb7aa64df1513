// Player windows for tests and hostsim: real top-level windows where there
// is a window system, the stand-in desktop elsewhere. A new window opens on
// top of the others, so it is the first one enumerated.
#pragma once

#include <cstdint>
#include <string>

using desk_window = std::uintptr_t;

desk_window desk_open(const std::string& window_class, const std::string& caption);
void desk_retitle(desk_window window, const std::string& caption);
void desk_close(desk_window window);
// How many times the window was asked for its caption since it opened.
std::size_t desk_caption_requests(desk_window window);
// Closes every window opened here and forgets their classes.
void desk_close_all();
