#pragma once

#include <cstdint>

// A millisecond tick count on 32 bits that wraps after about 49.7 days,
// like the counter the game's timing was designed around.
std::uint32_t GetTickCount();

// Replaces the clock source; nullptr restores the real clock. For tests.
using TickSource = std::uint32_t (*)();
void SetTickSource(TickSource source);
