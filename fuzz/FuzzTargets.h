#pragma once

#include <cstddef>
#include <cstdint>

// What Kelvara reads from files a person may have edited, each fed with arbitrary bytes. A
// target aborts when what it checks does not hold; it returns 0 otherwise, as libFuzzer wants.

// The store file: whatever it holds, the tree read from it is written out so that reading that
// again gives the same tree and the same text.
int FuzzRegFile(const std::uint8_t* pData, std::size_t nSize);

// A high score record: one that parses is formatted so that it parses again to the same record.
int FuzzHighScoreRecord(const std::uint8_t* pData, std::size_t nSize);

// The shared store's copies: through a run of writes, each cut short anywhere or not at all,
// readers see the table as it was before a write or as that write wrote it, never anything else.
int FuzzStoreTables(const std::uint8_t* pData, std::size_t nSize);
