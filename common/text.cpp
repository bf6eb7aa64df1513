#include "common/text.h"

text fill_title(const text& tmpl, const text& title)
{
    static const text slot = "{title}";
    const auto at = tmpl.find(slot);
    if (at == text::npos)
        return tmpl;
    text out;
    out.reserve(tmpl.size() - slot.size() + title.size());
    out.append(tmpl, 0, at);
    out.append(title);
    out.append(tmpl, at + slot.size(), text::npos);
    return out;
}

text printable_title(const text& title)
{
    text out = title;
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 0x01 && b <= 0x1F) || b == 0x7F)
            c = ' ';
    }
    return out;
}
