// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printer's three memories and what operation 12 learns about them.

#include "link/link_types.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstddef>
#include <cstdint>

namespace lb {

// In the order of every memory list of the windows ("DRAM", "FLASH", "CARD").
enum class MemoryDevice : int32_t { Dram = 0, Flash = 1, Card = 2 };
constexpr int kMemoryDeviceCount = 3;

// "DRAM", "FLASH", "CARD": the same in every language.
const char* MemoryDeviceItem(MemoryDevice device);
// The letter of the report keywords: D, F, C ("DIAGNOSTIC REPORT FFILELIST").
char MemoryReportLetter(MemoryDevice device);
// The prefix of the file commands: none for DRAM, "F," FLASH, "E," CARD ("KILL F,\"*.*\"").
const char* MemoryFilePrefix(MemoryDevice device);
// A memory by its list index; false for anything outside 0..2.
bool MemoryDeviceAt(int index, MemoryDevice& device);

constexpr uint32_t kFileListSize = 65536;

#pragma pack(push, 1)
// What was learned about one memory. A known byte other than 1 means that its value was not
// read and is not shown.
struct MemoryInfo {
    char fileList[kFileListSize];   // the names, each followed by CR LF; NUL-terminated
    uint8_t physicalSpaceKnown;
    int32_t physicalSpace;   // KB
    uint8_t freeSpaceKnown;
    int32_t freeSpace;   // KB
};
#pragma pack(pop)
static_assert(sizeof(MemoryInfo) == 65546);
static_assert(offsetof(MemoryInfo, physicalSpaceKnown) == 65536);
static_assert(offsetof(MemoryInfo, physicalSpace) == 65537);
static_assert(offsetof(MemoryInfo, freeSpaceKnown) == 65541);
static_assert(offsetof(MemoryInfo, freeSpace) == 65542);

// The three memories, indexed by MemoryDevice.
using MemoryInfoSet = std::array<MemoryInfo, kMemoryDeviceCount>;

// Operation 12: the announcement, then the spaces and file list of DRAM, FLASH and CARD in
// that order over one link (CARD's free space is not asked for). memories points at three
// records, which the caller has cleared; the first failing step ends the operation and what
// was stored before it stays stored. Returns 0, 1, 2 or 3 (3 also when a list does not fit).
int ReadMemoryInformation(InterfaceKind kind, MemoryInfo* memories);

// The file names of a memory's list, in the order received: one per CR LF-ended line.
QList<QByteArray> FileListNames(const MemoryInfo& memory);

}   // namespace lb
