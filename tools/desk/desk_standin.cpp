#include "tools/desk/desk.h"

#include "nowplaying/standin_desktop.h"

desk_window desk_open(const std::string& window_class, const std::string& caption)
{
    return standin_desktop_open(window_class, caption);
}

void desk_retitle(desk_window window, const std::string& caption)
{
    standin_desktop_retitle(window, caption);
}

void desk_close(desk_window window) { standin_desktop_close(window); }

std::size_t desk_caption_requests(desk_window window)
{
    return standin_desktop_caption_reads(window);
}

void desk_close_all() { standin_desktop_close_all(); }
