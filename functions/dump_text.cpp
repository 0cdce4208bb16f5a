// SPDX-License-Identifier: Apache-2.0
#include "functions/dump_text.h"

#include "link/command_format.h"
#include "link/printer_link.h"

#include <algorithm>
#include <cstring>

namespace lb {

DumpTextSettings DefaultDumpTextSettings() {
    DumpTextSettings settings{};
    settings.Mode = kDumpPrint;
    SetDumpFileName(settings, kDumpFileName);
    return settings;
}

void SetDumpFileName(DumpTextSettings& settings, const QByteArray& name) {
    std::memset(settings.FileName, 0, sizeof settings.FileName);
    std::memcpy(settings.FileName, name.constData(),
                std::min<size_t>(size_t(name.size()), sizeof settings.FileName - 1));
}

QByteArray DumpTextCommand(const DumpTextSettings& settings) {
    switch (settings.Mode) {
    case kDumpPrint:
        return QByteArrayLiteral("DUMP_TEXT PRINT,");
    case kDumpToCard: {
        const QByteArray name(settings.FileName,
                              qsizetype(strnlen(settings.FileName, sizeof settings.FileName)));
        // A quote or a line end would end the command early, and the printer takes no
        // longer name.
        if (name.size() > kMaxDumpFileName || !IsQuotableText(name)) return QByteArray();
        return FormatCommand("DUMP_TEXT SAVE 1000,E,\"%s\",", {name});
    }
    default:
        return FormatCommand("DUMP_TEXT SAVE 1000,\"%s\",", {kDumpFileName});
    }
}

int DumpText(InterfaceKind kind, const DumpTextSettings* settings) {
    if (!settings) return kUnknownError;
    const QByteArray command = DumpTextCommand(*settings);
    if (command.isEmpty()) return kUnknownError;
    return SendOneCommand(kind, reinterpret_cast<const uint8_t*>(command.constData()),
                          uint32_t(command.size()));
}

}   // namespace lb
