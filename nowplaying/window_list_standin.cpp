// The window-system operations over the stand-in desktop.
#include <algorithm>
#include <vector>

#include "nowplaying/standin_desktop.h"

namespace {

struct standin_window {
    window_handle handle;
    text window_class;
    text caption;
    std::size_t caption_reads = 0;
};

std::vector<standin_window> windows;  // top of the order first
window_handle next_handle = 0x100;

standin_window* find(window_handle h)
{
    for (auto& w : windows)
        if (w.handle == h)
            return &w;
    return nullptr;
}

}  // namespace

window_handle standin_desktop_open(const text& window_class, const text& caption)
{
    const window_handle h = next_handle++;
    windows.insert(windows.begin(), {h, window_class, caption});
    return h;
}

void standin_desktop_retitle(window_handle window, const text& caption)
{
    if (standin_window* w = find(window))
        w->caption = caption;
}

void standin_desktop_close(window_handle window)
{
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [&](const standin_window& w) { return w.handle == window; }),
                  windows.end());
}

void standin_desktop_close_all() { windows.clear(); }

std::size_t standin_desktop_caption_reads(window_handle window)
{
    const standin_window* w = find(window);
    return w ? w->caption_reads : 0;
}

void enumerate_windows(window_visitor visit, void* context)
{
    // A copy of the handles, so a visitor may open or close windows.
    std::vector<window_handle> order;
    order.reserve(windows.size());
    for (const auto& w : windows)
        order.push_back(w.handle);
    for (window_handle h : order)
        if (find(h) && !visit(h, context))
            return;
}

text window_caption(window_handle window)
{
    standin_window* w = find(window);
    if (!w)
        return text();
    ++w->caption_reads;
    return w->caption.substr(0, window_text_limit);
}

text window_class(window_handle window)
{
    const standin_window* w = find(window);
    return w ? w->window_class.substr(0, window_text_limit) : text();
}
