// The window-system operations through user32.
#include <windows.h>

#include <exception>

#include "nowplaying/window_list.h"

namespace {

struct enumeration {
    window_visitor visit;
    void* context;
    std::exception_ptr failure;
};

BOOL CALLBACK visit_window(HWND window, LPARAM param)
{
    auto* e = reinterpret_cast<enumeration*>(param);
    try {
        return e->visit(reinterpret_cast<window_handle>(window), e->context) ? TRUE : FALSE;
    } catch (...) {
        // C++ exceptions must not unwind through user32's frames.
        e->failure = std::current_exception();
        return FALSE;
    }
}

}  // namespace

void enumerate_windows(window_visitor visit, void* context)
{
    enumeration e{visit, context, nullptr};
    EnumWindows(visit_window, reinterpret_cast<LPARAM>(&e));
    if (e.failure)
        std::rethrow_exception(e.failure);
}

text window_caption(window_handle window)
{
    char buffer[window_text_limit + 2];
    const int n = GetWindowTextA(reinterpret_cast<HWND>(window), buffer, window_text_limit + 1);
    return text(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

text window_class(window_handle window)
{
    char buffer[window_text_limit + 2];
    const int n = GetClassNameA(reinterpret_cast<HWND>(window), buffer, window_text_limit + 1);
    return text(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}
