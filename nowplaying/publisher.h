// Keeping the description tag in step with the player, on the host's tick.
#pragma once

#include <cstdint>

constexpr std::int32_t CLIENT_TICK = 6;
constexpr std::int32_t refresh_threshold = 6000;

// Probes the player, remembers the title in module_state.current_title and,
// while enabled, sets the tag's text. Registers a tag when none is held.
void refresh_now_playing();
// Removes the tag, if one is held.
void unregister_tag();
// on_client: adds up the values of CLIENT_TICK while enabled and refreshes
// whenever the total reaches the threshold.
void handle_tick(std::int32_t event, std::int32_t value);
