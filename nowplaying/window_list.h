// The window-system operations the player probe needs: enumerate the
// desktop's top-level windows and read a window's class name and caption.
#pragma once

#include <cstdint>

#include "common/text.h"

using window_handle = std::uintptr_t;  // 0 = no window

// Longest class name or caption read: a 256-character buffer with a limit
// of 255 holds at most 254 characters. A longer caption is cut.
constexpr std::size_t window_text_limit = 254;

// Called for each top-level window in the window system's order; return
// true to go on, false to stop.
using window_visitor = bool (*)(window_handle window, void* context);

// Visits the windows. An exception thrown by the visitor stops the
// enumeration and is thrown again from here, never through the window
// system.
void enumerate_windows(window_visitor visit, void* context);
text window_caption(window_handle window);
text window_class(window_handle window);
