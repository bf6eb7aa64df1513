// Texts and the title template helpers shared by every part of the module.
#pragma once

#include <string>

// A counted 8-bit string in the system's ANSI code page. Handed to the host
// as a NUL-terminated pointer that is valid only during the call.
using text = std::string;

// The template with its first "{title}" replaced by title. Later
// occurrences stay as written; a template without the slot comes back
// unchanged; the inserted title is not searched again.
text fill_title(const text& tmpl, const text& title);

// The title as it may appear inside a line or a tag: every control byte
// (0x01 to 0x1F and 0x7F) becomes one blank, so a caption holding CR or LF
// can never split what the module sends into several lines.
text printable_title(const text& title);
