// A long session costs the host no memory: 100,000 refreshes of a playing
// title leave the process holding what it held after the first thousand.
#include "tests/memory_use.h"
#include "tests/module_fixture.h"

using growth = module_fixture;

TEST_F(growth, refresh_cycles_hold_no_more_memory)
{
    desk_open("QWidget", "A rather long song title that will not fit in a small string"
                         " - VLC media player");
    load();
    enable();
    auto cycles = [](int n) {
        for (int i = 0; i < n; ++i) {
            on_client(6, 6000);
            if (i % 1000 == 999)
                standin_clear_calls();  // the stand-in's own record of the calls
        }
    };
    cycles(1000);
    const std::size_t before = memory_in_use();
    cycles(100000);
    const std::size_t after = memory_in_use();
    EXPECT_LE(after, before + 64 * 1024) << "before " << before << " bytes, after " << after;
    EXPECT_EQ(module_state.current_title,
              "A rather long song title that will not fit in a small string");
}
