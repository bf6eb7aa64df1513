#include "nowplaying/publisher.h"

#include <cstdint>
#include <limits>

#include "host/furn2.h"
#include "module/module_state.h"
#include "nowplaying/probe.h"

void refresh_now_playing()
{
    const struct settings& s = module_state.settings;
    text shown = s.desc_none;
    if (module_state.tag_id == 0)
        module_state.tag_id = f2_desctag_reg();  // 0: none; the next refresh asks again
    module_state.current_title.clear();

    const datastruct found = find_player_window(s.win_class);
    if (found.hwnd != 0) {
        if (std::optional<text> title = extract_title(found.title)) {
            module_state.current_title = *title;
            if (!title->empty())
                shown = fill_title(s.desc_tag, printable_title(*title));
        }
    }

    if (module_state.tag_id != 0 && module_state.enabled != 0)
        f2_desctag_set(module_state.tag_id, shown.c_str());
}

void unregister_tag()
{
    if (module_state.tag_id != 0)
        f2_desctag_unreg(module_state.tag_id);
    module_state.tag_id = 0;
}

void handle_tick(std::int32_t event, std::int32_t value)
{
    if (module_state.enabled == 0 || event != CLIENT_TICK)
        return;
    // Added in 64 bits and held to the 32-bit range: a huge value reaches
    // the threshold instead of wrapping round to a negative total.
    const std::int64_t sum = std::int64_t{module_state.tick_total} + value;
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    module_state.tick_total = static_cast<std::int32_t>(sum < lo ? lo : sum > hi ? hi : sum);
    if (module_state.tick_total >= refresh_threshold) {
        module_state.tick_total = 0;
        refresh_now_playing();
    }
}
