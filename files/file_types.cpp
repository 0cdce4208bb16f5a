// SPDX-License-Identifier: Apache-2.0
#include "files/file_types.h"

#include <QFileInfo>

namespace lb {

namespace {

// "*" rather than "*.*" for all files, so that names without a dot are listed too.
constexpr std::array<FileType, kFileTypeCount> kFileTypes = {{
    {"BMP", ".BMP", "*.BMP;;*", "bmp", false},
    {"PCX", ".PCX", "*.PCX;;*", "pcx", false},
    {"True Type Font", ".TTF", "*.TTF", "ttf", false},
    {"Bitmap Font", "", "", "bitmap-font", false},
    {"Printer BASIC File", ".BAS", "*.BAS;;*", "bas", false},
    {"Data File", "", "*", "data", false},
    {"Firmware File", "", "*.NEW;;*", "firmware", true},
    {"VQX File", "", "*.VQX;;*", "vqx", true},
}};
constexpr FileType kNoType = {"", "", "*", "", false};

}   // namespace

const std::array<FileType, kFileTypeCount>& FileTypes() {
    return kFileTypes;
}

const FileType& FileTypeAt(int index) {
    return index >= 0 && index < kFileTypeCount ? kFileTypes[std::size_t(index)] : kNoType;
}

bool FileTypeByCliName(const QString& name, int& index) {
    for (int i = 0; i < kFileTypeCount; ++i) {
        if (name == QLatin1String(kFileTypes[std::size_t(i)].cliName)) {
            index = i;
            return true;
        }
    }
    return false;
}

QString ProposePrinterFileName(const QString& path, int type) {
    QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) name.truncate(dot);
    if (name.size() > 8) name.truncate(8);
    // A dot left in the short name takes the type's extension in place of what follows it.
    const qsizetype left = name.lastIndexOf(u'.');
    if (left >= 0) name.truncate(left);
    return name + QLatin1String(FileTypeAt(type).extension);
}

}   // namespace lb
