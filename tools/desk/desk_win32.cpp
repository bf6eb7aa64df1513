// Real top-level windows of any class name, created by this process.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "tools/desk/desk.h"

namespace {

std::vector<HWND> opened;
std::vector<std::string> registered;
const char* const caption_requests_property = "TunecrierCaptionRequests";

// Counts the caption requests (WM_GETTEXT) each window receives.
LRESULT CALLBACK window_procedure(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_GETTEXT) {
        const auto n = reinterpret_cast<std::uintptr_t>(GetPropA(w, caption_requests_property));
        SetPropA(w, caption_requests_property, reinterpret_cast<HANDLE>(n + 1));
    }
    if (message == WM_NCDESTROY)
        RemovePropA(w, caption_requests_property);
    return DefWindowProcA(w, message, wp, lp);
}

void ensure_class(const std::string& name)
{
    if (std::find(registered.begin(), registered.end(), name) != registered.end())
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = window_procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name.c_str();
    if (RegisterClassA(&wc) != 0)
        registered.push_back(name);
}

}  // namespace

desk_window desk_open(const std::string& window_class, const std::string& caption)
{
    ensure_class(window_class);
    HWND w = CreateWindowExA(0, window_class.c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                             200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (w) {
        SetPropA(w, caption_requests_property, nullptr);  // count from here on
        // On top of every other window, so enumeration meets it first.
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        opened.push_back(w);
    }
    return reinterpret_cast<desk_window>(w);
}

void desk_retitle(desk_window window, const std::string& caption)
{
    SetWindowTextA(reinterpret_cast<HWND>(window), caption.c_str());
}

std::size_t desk_caption_requests(desk_window window)
{
    return reinterpret_cast<std::uintptr_t>(
        GetPropA(reinterpret_cast<HWND>(window), caption_requests_property));
}

void desk_close(desk_window window)
{
    HWND w = reinterpret_cast<HWND>(window);
    DestroyWindow(w);
    opened.erase(std::remove(opened.begin(), opened.end(), w), opened.end());
}

void desk_close_all()
{
    for (HWND w : opened)
        DestroyWindow(w);
    opened.clear();
    for (const std::string& name : registered)
        UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr));
    registered.clear();
}
