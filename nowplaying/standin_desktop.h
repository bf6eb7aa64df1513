// A stand-in desktop for builds without a window system: an ordered list of
// top-level windows, each with a class name and a caption, that tests and
// hostsim fill. Like a real desktop, a new window opens on top, so it is
// the first one enumerated.
#pragma once

#include "common/text.h"
#include "nowplaying/window_list.h"

window_handle standin_desktop_open(const text& window_class, const text& caption);
void standin_desktop_retitle(window_handle window, const text& caption);
void standin_desktop_close(window_handle window);
void standin_desktop_close_all();
// How many times a window was asked for its caption since it opened.
std::size_t standin_desktop_caption_reads(window_handle window);
