// SPDX-License-Identifier: Apache-2.0
#pragma once
// The Windows code pages that printer bytes are read and written in, by the names Qt's
// converters (ICU's, on Debian) know them. One table for the command tool's encodings and the
// bitmap font builder's character sets; tests check that each name opens a converter here.

namespace lb {

// Big5 is ICU's windows-950 and windows-31j the code page 932 (ICU's Shift_JIS is the same
// table: 0x5C is the backslash, the NEC row 13 is there). ICU's plain "CP949" is an IBM table
// that lacks half of the Korean syllables and reads 0x5C as the won sign: windows-949 is the
// one Windows uses. nullptr for a code page not listed.
constexpr const char* CodePageConverter(int codePage) {
    switch (codePage) {
    case 874:
        return "windows-874";
    case 932:
        return "windows-31j";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1252:
        return "windows-1252";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    default:
        return nullptr;
    }
}

}   // namespace lb
