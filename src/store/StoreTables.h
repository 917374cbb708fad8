#pragma once

#include <QByteArray>
#include <cstdint>

// The layout of the shared store file, which is rewritten in place so that it keeps its
// owner, mode and name. To leave a whole table whenever a writer is killed, the file holds
// the table up to twice, each copy on the lines after one of its own:
//
//   ; Kelvara table, generation 42, 1234 bytes, sha256 0123456789abcdef
//
// naming the bytes that follow it (the registry export without its header line) and the
// start of the SHA-256 of "42 1234\n" and those bytes. A write puts the new copy where it overlaps
// no byte of the newest whole copy, and cuts the file after the two only once the new copy is on
// disk. A reader takes the newest whole copy. A file without such a line (an older store, or one a
// person wrote) is one table as it stands; comments are allowed in a registry export, so the file
// stays one.

// The table a file holds, and the bytes it takes there.
struct CStoreTable {
    QByteArray text;               // a registry export, header line included
    std::uint64_t nGeneration = 0; // 0 for a file without copies; counts on from 0 after its end
    qsizetype nStart = 0;          // the bytes a write must leave alone
    qsizetype nEnd = 0;
    // Copies were found but none is whole (a person edited one, or the first write was cut
    // short); the text is what stood before the first of them.
    bool bTorn = false;
};

CStoreTable FindNewestTable(const QByteArray& file);

// Where the next copy goes: write bytes at nOffset, make them durable, then cut the file to
// nFileSize. The generation after the largest number is 0 again.
struct CTableWrite {
    qsizetype nOffset = 0;
    QByteArray bytes;
    qsizetype nFileSize = 0;
};

CTableWrite PlanTableWrite(const CStoreTable& newest, const QByteArray& text);
