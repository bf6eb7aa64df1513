// What a refresh costs the host under a real window system: one refresh
// against the least any probe can do (one EnumWindows pass that reads every
// window's caption and class), with 200 other top-level windows open and no
// player; and how long the DLL takes to load.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "module/module_state.h"
#include "nowplaying/publisher.h"
#include "tools/desk/desk.h"

namespace {

double now_us()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

BOOL CALLBACK read_both(HWND w, LPARAM sink)
{
    char caption[256], klass[256];
    const int a = GetWindowTextA(w, caption, 255);
    const int b = GetClassNameA(w, klass, 255);
    *reinterpret_cast<long*>(sink) += a + b;
    return TRUE;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    for (int i = 0; i < 200; ++i)
        desk_open("BenchWindow" + std::to_string(i % 20), "Some window " + std::to_string(i));

    reset_module_state();
    module_state.settings.win_class = "QWidget";
    module_state.settings.desc_none = "[Nothing playing]";
    module_state.tag_id = 1;  // held, and the module disabled: no host call

    std::vector<double> full, refresh;
    long sink = 0;
    for (int r = 0; r < rounds; ++r) {
        double t0 = now_us();
        EnumWindows(read_both, reinterpret_cast<LPARAM>(&sink));
        double t1 = now_us();
        refresh_now_playing();
        double t2 = now_us();
        full.push_back(t1 - t0);
        refresh.push_back(t2 - t1);
    }
    desk_close_all();

    std::vector<double> loads;
    for (int r = 0; r < 30; ++r) {
        const double t0 = now_us();
        HMODULE m = LoadLibraryA("Tunecrier.dll");
        const double t1 = now_us();
        if (!m) {
            std::printf("cannot load Tunecrier.dll\n");
            return 1;
        }
        FreeLibrary(m);
        loads.push_back(t1 - t0);
    }

    const double ratio = median(refresh) / median(full);
    std::printf("| EnumWindows pass reading caption and class, 200 windows | %.1f us |\n", median(full));
    std::printf("| refresh_now_playing, same windows, no player | %.1f us |\n", median(refresh));
    std::printf("| refresh / full pass (medians of %d rounds) | %.2f |\n", rounds, ratio);
    std::printf("| Tunecrier.dll load (LoadLibrary, median of 30) | %.1f us |\n", median(loads));
    return ratio <= 0.6 ? 0 : 3;
}
