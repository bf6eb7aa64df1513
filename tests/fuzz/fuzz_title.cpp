// extract_title and the text built from its title: the title is found
// exactly when the caption ends with the suffix, and no control byte of a
// title ever reaches a tag or a line.
#include <cstdint>
#include <cstdlib>

#include "common/text.h"
#include "nowplaying/probe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const text caption(reinterpret_cast<const char*>(data), size);
    const text suffix = " - VLC media player";
    const bool ends = caption.size() >= suffix.size() &&
                      caption.compare(caption.size() - suffix.size(), suffix.size(), suffix) == 0;
    const std::optional<text> title = extract_title(caption);
    if (title.has_value() != ends)
        std::abort();
    if (!title)
        return 0;
    if (*title + suffix != caption)
        std::abort();
    for (const text& tmpl : {text("[#SM{title}#SM]"), text(":is now playing <i>{title}</i>#SM"),
                             text("{title}{title}")}) {
        const text shown = fill_title(tmpl, printable_title(*title));
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const auto b = static_cast<unsigned char>(shown[i]);
            if ((b >= 0x01 && b <= 0x1F) || b == 0x7F)
                std::abort();
        }
        if (shown.size() != tmpl.size() - 7 + title->size())
            std::abort();
    }
    return 0;
}
