#pragma once

#include <cstddef>
#include <cstdint>

// What Kelvara reads from files a person may have edited, each fed with arbitrary bytes (each
// target's file says what it checks). A target aborts when that does not hold; it returns 0
// otherwise, as libFuzzer wants.
int FuzzRegFile(const std::uint8_t* pData, std::size_t nSize);
int FuzzHighScoreRecord(const std::uint8_t* pData, std::size_t nSize);
int FuzzStoreTables(const std::uint8_t* pData, std::size_t nSize);
