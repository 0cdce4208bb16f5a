// SPDX-License-Identifier: Apache-2.0
#include "files/memory_info.h"

#include "link/command_format.h"
#include "link/printer_link.h"
#include "link/reply_number.h"

#include <cstring>

namespace lb {

const char* MemoryDeviceItem(MemoryDevice device) {
    switch (device) {
    case MemoryDevice::Dram:
        return "DRAM";
    case MemoryDevice::Flash:
        return "FLASH";
    case MemoryDevice::Card:
        return "CARD";
    }
    return "";
}

char MemoryReportLetter(MemoryDevice device) {
    switch (device) {
    case MemoryDevice::Dram:
        return 'D';
    case MemoryDevice::Flash:
        return 'F';
    case MemoryDevice::Card:
        return 'C';
    }
    return '?';
}

const char* MemoryFilePrefix(MemoryDevice device) {
    switch (device) {
    case MemoryDevice::Dram:
        return "";
    case MemoryDevice::Flash:
        return "F,";
    case MemoryDevice::Card:
        return "E,";
    }
    return "";
}

bool MemoryDeviceAt(int index, MemoryDevice& device) {
    if (index < 0 || index >= kMemoryDeviceCount) return false;
    device = static_cast<MemoryDevice>(index);
    return true;
}

namespace {

QByteArray ReportCommand(MemoryDevice device, const char* keyword) {
    return FormatCommand("DIAGNOSTIC REPORT %c%s\r\n", {MemoryReportLetter(device), keyword});
}

// One number of a memory: its report, read as a decimal integer. (The record is packed, so
// its members are not bound to references.)
int ReadSpace(LinkHandle handle, InterfaceKind kind, MemoryDevice device, const char* keyword,
              int32_t& value) {
    char reply[kReplyBufferSize];
    uint32_t length = 0;
    const int result = SendCommandReadReply(handle, kind, ReportCommand(device, keyword).constData(), reply,
                                            sizeof reply, length);
    if (result == kLinkOk) value = LeadingInt(reply);
    return result;
}

int ReadFileList(LinkHandle handle, InterfaceKind kind, MemoryDevice device, MemoryInfo& memory) {
    uint32_t total = 0;
    const int result = SendCommandReadReplyList(handle, kind, ReportCommand(device, "FILELIST").constData(),
                                                memory.fileList, kFileListSize, total);
    // A list cut off half-way is not stored.
    if (result != kLinkOk) std::memset(memory.fileList, 0, sizeof memory.fileList);
    return result;
}

int ReadMemory(LinkHandle handle, InterfaceKind kind, MemoryDevice device, MemoryInfo& memory) {
    int32_t value = 0;
    int result = ReadSpace(handle, kind, device, "PHYSPACE", value);
    if (result != kLinkOk) return result;
    memory.physicalSpaceKnown = 1;
    memory.physicalSpace = value;
    // The card's free space is not asked for.
    if (device == MemoryDevice::Card) {
        memory.freeSpaceKnown = 0;
    } else {
        result = ReadSpace(handle, kind, device, "FREESPACE", value);
        if (result != kLinkOk) return result;
        memory.freeSpaceKnown = 1;
        memory.freeSpace = value;
    }
    return ReadFileList(handle, kind, device, memory);
}

}   // namespace

int ReadMemoryInformation(InterfaceKind kind, MemoryInfo* memories) {
    if (!memories) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    char scratch[kReplyBufferSize];
    int result = SendInterfaceAnnouncement(handle, kind, scratch, sizeof scratch);
    for (int i = 0; i < kMemoryDeviceCount && result == kLinkOk; ++i)
        result = ReadMemory(handle, kind, static_cast<MemoryDevice>(i), memories[i]);
    CloseLink(kind, handle);
    return result;
}

QList<QByteArray> FileListNames(const MemoryInfo& memory) {
    const char* text = memory.fileList;
    const std::size_t length = strnlen(text, sizeof memory.fileList);
    QList<QByteArray> names;
    std::size_t begin = 0;
    while (begin < length) {
        const char* end = static_cast<const char*>(std::memchr(text + begin, '\n', length - begin));
        std::size_t stop = end ? std::size_t(end - text) : length;
        const std::size_t next = end ? stop + 1 : length;
        if (stop > begin && text[stop - 1] == '\r') --stop;
        names.append(QByteArray(text + begin, qsizetype(stop - begin)));
        begin = next;
    }
    return names;
}

}   // namespace lb
