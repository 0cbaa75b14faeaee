#pragma once
// The extra-files file: "QXEF", version 1 (16 bits), then, scrambled, a
// 32-bit count and count records (flags byte, 16-bit length, name bytes).
// All integers little-endian.
#include <cstddef>
#include "extrafiles/ExtraFileList.h"

const unsigned kExtraFilesHeaderBytes = 6;   // magic and version, never scrambled
const unsigned short kExtraFilesVersion = 1;
extern const char kExtraFilesMagic[4];       // "QXEF", no terminator

// Scrambles or unscrambles (the same operation) bytes that start at file
// offset 6: each is xor'ed with 0x80 >> (its distance from offset 6 mod 8).
void ToggleExtraFilesScrambling(unsigned char* bytes, std::size_t length);

// Parses the unscrambled bytes that follow the header (count, then records)
// and appends the records to list in file order. Reads nothing outside
// [bytes, bytes + length). False when the count or a length runs past the
// data: then no record is appended. Bytes after the last record are ignored.
bool ParseExtraFiles(const unsigned char* bytes, std::size_t length, ExtraFileList& list);
