// Bytes of memory the process holds for itself, as the system counts them.
#pragma once

#include <cstddef>

std::size_t memory_in_use();
