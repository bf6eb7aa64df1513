// Finding the player's main window and cutting the title out of its
// caption, which the player sets to "<title> - VLC media player".
#pragma once

#include <optional>

#include "common/text.h"
#include "nowplaying/window_list.h"

// The result of one search, fresh for every search.
struct datastruct {
    window_handle hwnd = 0;  // the window found; 0 = none
    text title;              // its caption, at most 254 characters
};

// The first top-level window, in the window system's order, whose class is
// exactly win_class and whose caption contains "VLC media player".
datastruct find_player_window(const text& win_class);

// Group 1 of "^(.*) - VLC media player$" (case-sensitive, "." matching
// every byte, anchors only at the very ends): the caption without the
// suffix when it ends with " - VLC media player", else nothing.
std::optional<text> extract_title(const text& caption);
