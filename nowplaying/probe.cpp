#include "nowplaying/probe.h"

#include <string_view>

namespace {

constexpr std::string_view player_marker = "VLC media player";
constexpr std::string_view title_suffix = " - VLC media player";

struct search {
    const text* win_class;
    datastruct* found;
};

bool visit(window_handle window, void* context)
{
    auto* s = static_cast<search*>(context);
    // The class first: most windows are not the player's, and they are
    // then never asked for their caption.
    if (window_class(window) != *s->win_class)
        return true;
    text caption = window_caption(window);
    if (caption.find(player_marker) == text::npos)
        return true;
    s->found->hwnd = window;
    s->found->title = std::move(caption);
    return false;
}

}  // namespace

datastruct find_player_window(const text& win_class)
{
    datastruct found;
    search s{&win_class, &found};
    enumerate_windows(visit, &s);
    return found;
}

std::optional<text> extract_title(const text& caption)
{
    const std::string_view c = caption;
    if (c.size() < title_suffix.size() ||
        c.substr(c.size() - title_suffix.size()) != title_suffix)
        return std::nullopt;
    return text(c.substr(0, c.size() - title_suffix.size()));
}
