// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printer's dump mode: what it receives next is printed or stored as plain text instead
// of being executed (operation 6).

#include "link/link_types.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace lb {

enum DumpTextMode : int32_t {
    kDumpPrint = 0,    // printed on labels
    kDumpToCard = 1,   // a file on the memory card
    kDumpToFile = 2,   // the printer file "Dump.txt", fetched into a computer file
};

// The card file name the dialog takes: at most 12 characters.
constexpr int kMaxDumpFileName = 12;
// The printer file that dump mode 2 writes, and that is fetched afterwards.
constexpr char kDumpFileName[] = "Dump.txt";

#pragma pack(push, 1)
struct DumpTextSettings {
    int32_t Mode;        // DumpTextMode
    char FileName[16];   // the card file name, zero-terminated
    uint8_t Confirmed;   // 1 when the dialog was closed with Set
};
#pragma pack(pop)
static_assert(sizeof(DumpTextSettings) == 21);
static_assert(offsetof(DumpTextSettings, FileName) == 4);
static_assert(offsetof(DumpTextSettings, Confirmed) == 20);

// A fresh record: print mode, "Dump.txt", not confirmed.
DumpTextSettings DefaultDumpTextSettings();
// Stores name (cut at 15 bytes) as the record's FileName.
void SetDumpFileName(DumpTextSettings& settings, const QByteArray& name);

// The command of a mode, without line end: "DUMP_TEXT PRINT,", "DUMP_TEXT SAVE 1000,E,"NAME","
// or "DUMP_TEXT SAVE 1000,"Dump.txt",". Empty for a card name that cannot go between quotes
// or is longer than 12 characters.
QByteArray DumpTextCommand(const DumpTextSettings& settings);
// Operation 6: the command in one write, no reply read. 1 when the link cannot be opened,
// 2 when the write fails, 5 (nothing sent) for a card name that DumpTextCommand refuses.
int DumpText(InterfaceKind kind, const DumpTextSettings* settings);

}   // namespace lb
