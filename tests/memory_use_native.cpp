#include <malloc.h>

#include "tests/memory_use.h"

std::size_t memory_in_use()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}
