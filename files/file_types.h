// SPDX-License-Identifier: Apache-2.0
#pragma once
// The kinds of file the File Manager downloads, shared by the window and the command line.

#include <QString>
#include <array>

namespace lb {

struct FileType {
    const char* item;        // the item of the type list, the same in every language
    const char* extension;   // given to the proposed printer file name; "" for none
    const char* filter;      // the open dialog's name filters ("*.BMP;;*"), "" for all files
    const char* cliName;     // labelbench-cli download --type
    bool raw;                // sent as it is (operation 14), not as a named file
};

constexpr int kFileTypeCount = 8;
// No type chosen: named, without extension, every file listed.
constexpr int kNoFileType = -1;
enum FileTypeIndex {
    kFileTypeBmp = 0,
    kFileTypePcx,
    kFileTypeTrueTypeFont,
    kFileTypeBitmapFont,
    kFileTypeBasic,
    kFileTypeData,
    kFileTypeFirmware,
    kFileTypeVqx,
};
const std::array<FileType, kFileTypeCount>& FileTypes();
// The row of an index, the no-type row for kNoFileType or anything outside the table.
const FileType& FileTypeAt(int index);
// The index of a --type name; kNoFileType when there is none (false for an unknown name).
bool FileTypeByCliName(const QString& name, int& index);

// The printer file name proposed for a file: its name without folder and extension, cut to
// 8 characters, with the type's extension (which replaces what follows a dot left in the
// name). mylogo_large.bmp as BMP gives mylogo_l.BMP, my.logo.bmp gives my.BMP.
QString ProposePrinterFileName(const QString& path, int type);

}   // namespace lb
