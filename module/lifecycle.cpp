#include "module/lifecycle.h"

#include <cstring>

#include "host/furn2.h"
#include "module/module_state.h"
#include "nowplaying/publisher.h"
#include "settings/settings.h"

struct module_state module_state;

void reset_module_state() { module_state = {}; }

void module_load(const void* data)
{
    // Without the host's record there is no id to load for.
    if (data == nullptr)
        return;
    std::int32_t id;
    std::memcpy(&id, data, sizeof id);
    module_state.module_id = id;
    module_state.tick_total = 0;
    module_state.tag_id = 0;
    load_settings();
    f2_modenable(module_state.module_id,
                 module_state.settings.auto_enable ? flag_true : flag_false);
}

void module_unload()
{
    // The tag is removed even when the settings cannot be written, so no
    // tag outlives the module; the write failure still ends the hook.
    try {
        save_settings();
    } catch (...) {
        unregister_tag();
        throw;
    }
    unregister_tag();
}

void module_enable()
{
    module_state.enabled = flag_true;
    refresh_now_playing();
    module_state.tick_total = 0;
}

void module_disable()
{
    module_state.enabled = flag_false;
    unregister_tag();
}

void show_about()
{
    f2_speak("Tunecrier V1.0.3");
    f2_speak("Tunecrier: now playing from VLC, written by the Tunecrier team.");
    f2_speak("[VLC] <a href=\"https://tunecrier.invalid/support\">Support Website</a>");
    f2_speak("Commands: @VLC-AutoEnable, @VLC-Reload, @vlc");
}

void dispatch_module(std::int32_t code, const void* data)
{
    switch (static_cast<std::uint32_t>(code)) {
    case MODULE_LOAD: module_load(data); break;
    case MODULE_UNLOAD: module_unload(); break;
    case MODULE_ENABLE: module_enable(); break;
    case MODULE_DISABLE: module_disable(); break;
    case MODULE_ABOUT: show_about(); break;
    default: break;
    }
}
