// SPDX-License-Identifier: Apache-2.0
#pragma once
// The configuration record: everything known about the connected printer's settings. The
// configuration file stores it byte for byte, so its layout is a file format.

#include "link/link_types.h"
#include "link/reply_number.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace lb {

#pragma pack(push, 1)

// A setting: present = 1 when the value was read (or is to be written), 0 when absent.
template <typename T> struct ConfigItem {
    uint8_t present;
    T value;
};
using IntItem = ConfigItem<int32_t>;
using FloatItem = ConfigItem<float>;
using ByteItem = ConfigItem<char>;   // the Z prefix characters
static_assert(sizeof(IntItem) == 5 && offsetof(IntItem, value) == 1);
static_assert(sizeof(FloatItem) == 5 && offsetof(FloatItem, value) == 1);
static_assert(sizeof(ByteItem) == 2 && offsetof(ByteItem, value) == 1);
static_assert(sizeof(float) == 4, "float values are float32");

struct PrinterConfig {
    int32_t Edition;   // 0 when the printer did not answer the edition query
    uint8_t ConfigRead;
    float Dpi;
    float DotsPerMm;
    int32_t CutCounter;
    int32_t ResetCutCounter;
    char Version[256];
    char Milage[16];
    char ResetMilage[16];
    char Checksum[16];
    char SerialNumber[64];

    FloatItem Speed;
    IntItem Density;
    IntItem DensityBase;
    FloatItem PaperWidth;   // lengths are in printer dots
    FloatItem PaperHeight;
    IntItem SensorMode;
    FloatItem GapSize;
    FloatItem GapOffset;
    IntItem PrintOut;
    IntItem CutterPiece;
    IntItem ReferenceX;
    IntItem ReferenceY;
    IntItem Direction;
    IntItem Mirror;
    IntItem Offset;
    IntItem OffsetBase;
    IntItem ShiftY;
    IntItem ShiftYBase;
    IntItem ShiftX;
    IntItem ShiftXBase;
    IntItem Ribbon;
    IntItem RibbonSensor;
    IntItem RibbonEncoder;
    IntItem CodePage;   // index into CodePageNames
    IntItem Country;    // index into CountryCodes
    IntItem HeadSensor;
    IntItem Reprint;
    FloatItem MaxLength;
    IntItem GapInten;
    IntItem BlineInten;
    IntItem ContinuousInten;
    IntItem AutoThreshold;
    uint8_t UnitIsInch;   // the panel's unit; not a printer setting, so it has no present byte

    IntItem ZDarkness;
    IntItem ZSpeed;
    IntItem ZTearOff;
    IntItem ZPrintMode;
    IntItem ZPrintWidth;
    ByteItem ZControlPrefix;
    ByteItem ZFormatPrefix;
    ByteItem ZDelimiter;
    IntItem ZMediaPowerUp;
    IntItem ZHeadClose;
    IntItem ZLabelTop;
    IntItem ZLeftPosition;

    IntItem DHeat;
    FloatItem DPrintSpeed;
    IntItem DLabelWidth;
    IntItem DPresentSensor;
    IntItem DCutterEquipped;
    IntItem DControlCodes;
    IntItem DColumnOffset;
    IntItem DRowOffset;

    IntItem BaudRate;   // index into BaudRateNames
    IntItem DataBits;
    IntItem Parity;
    IntItem StopBits;
};

#pragma pack(pop)

static_assert(sizeof(PrinterConfig) == 661);
static_assert(offsetof(PrinterConfig, Edition) == 0);
static_assert(offsetof(PrinterConfig, ConfigRead) == 4);
static_assert(offsetof(PrinterConfig, Dpi) == 5);
static_assert(offsetof(PrinterConfig, DotsPerMm) == 9);
static_assert(offsetof(PrinterConfig, CutCounter) == 13);
static_assert(offsetof(PrinterConfig, ResetCutCounter) == 17);
static_assert(offsetof(PrinterConfig, Version) == 21);
static_assert(offsetof(PrinterConfig, Milage) == 277);
static_assert(offsetof(PrinterConfig, ResetMilage) == 293);
static_assert(offsetof(PrinterConfig, Checksum) == 309);
static_assert(offsetof(PrinterConfig, SerialNumber) == 325);
// Items: the present byte's offset (the value follows it directly, see the item asserts).
static_assert(offsetof(PrinterConfig, Speed) == 389);
static_assert(offsetof(PrinterConfig, Density) == 394);
static_assert(offsetof(PrinterConfig, DensityBase) == 399);
static_assert(offsetof(PrinterConfig, PaperWidth) == 404);
static_assert(offsetof(PrinterConfig, PaperHeight) == 409);
static_assert(offsetof(PrinterConfig, SensorMode) == 414);
static_assert(offsetof(PrinterConfig, GapSize) == 419);
static_assert(offsetof(PrinterConfig, GapOffset) == 424);
static_assert(offsetof(PrinterConfig, PrintOut) == 429);
static_assert(offsetof(PrinterConfig, CutterPiece) == 434);
static_assert(offsetof(PrinterConfig, ReferenceX) == 439);
static_assert(offsetof(PrinterConfig, ReferenceY) == 444);
static_assert(offsetof(PrinterConfig, Direction) == 449);
static_assert(offsetof(PrinterConfig, Mirror) == 454);
static_assert(offsetof(PrinterConfig, Offset) == 459);
static_assert(offsetof(PrinterConfig, OffsetBase) == 464);
static_assert(offsetof(PrinterConfig, ShiftY) == 469);
static_assert(offsetof(PrinterConfig, ShiftYBase) == 474);
static_assert(offsetof(PrinterConfig, ShiftX) == 479);
static_assert(offsetof(PrinterConfig, ShiftXBase) == 484);
static_assert(offsetof(PrinterConfig, Ribbon) == 489);
static_assert(offsetof(PrinterConfig, RibbonSensor) == 494);
static_assert(offsetof(PrinterConfig, RibbonEncoder) == 499);
static_assert(offsetof(PrinterConfig, CodePage) == 504);
static_assert(offsetof(PrinterConfig, Country) == 509);
static_assert(offsetof(PrinterConfig, HeadSensor) == 514);
static_assert(offsetof(PrinterConfig, Reprint) == 519);
static_assert(offsetof(PrinterConfig, MaxLength) == 524);
static_assert(offsetof(PrinterConfig, GapInten) == 529);
static_assert(offsetof(PrinterConfig, BlineInten) == 534);
static_assert(offsetof(PrinterConfig, ContinuousInten) == 539);
static_assert(offsetof(PrinterConfig, AutoThreshold) == 544);
static_assert(offsetof(PrinterConfig, UnitIsInch) == 549);
static_assert(offsetof(PrinterConfig, ZDarkness) == 550);
static_assert(offsetof(PrinterConfig, ZSpeed) == 555);
static_assert(offsetof(PrinterConfig, ZTearOff) == 560);
static_assert(offsetof(PrinterConfig, ZPrintMode) == 565);
static_assert(offsetof(PrinterConfig, ZPrintWidth) == 570);
static_assert(offsetof(PrinterConfig, ZControlPrefix) == 575);
static_assert(offsetof(PrinterConfig, ZFormatPrefix) == 577);
static_assert(offsetof(PrinterConfig, ZDelimiter) == 579);
static_assert(offsetof(PrinterConfig, ZMediaPowerUp) == 581);
static_assert(offsetof(PrinterConfig, ZHeadClose) == 586);
static_assert(offsetof(PrinterConfig, ZLabelTop) == 591);
static_assert(offsetof(PrinterConfig, ZLeftPosition) == 596);
static_assert(offsetof(PrinterConfig, DHeat) == 601);
static_assert(offsetof(PrinterConfig, DPrintSpeed) == 606);
static_assert(offsetof(PrinterConfig, DLabelWidth) == 611);
static_assert(offsetof(PrinterConfig, DPresentSensor) == 616);
static_assert(offsetof(PrinterConfig, DCutterEquipped) == 621);
static_assert(offsetof(PrinterConfig, DControlCodes) == 626);
static_assert(offsetof(PrinterConfig, DColumnOffset) == 631);
static_assert(offsetof(PrinterConfig, DRowOffset) == 636);
static_assert(offsetof(PrinterConfig, BaudRate) == 641);
static_assert(offsetof(PrinterConfig, DataBits) == 646);
static_assert(offsetof(PrinterConfig, Parity) == 651);
static_assert(offsetof(PrinterConfig, StopBits) == 656);

// The cleared state: everything 0 and absent, texts empty, except Dpi 200.0, DotsPerMm 11.8,
// Speed 3.0 and the Z prefixes '~', '^', ','. UnitIsInch is left as it was.
void ClearConfig(PrinterConfig& config);

// Reply texts of the table items; a setting holds the position of its text.
inline constexpr std::array<const char*, 36> CodePageNames{
    "USA",    "BRI",    "GER",    "FRE",    "DAN",    "ITA",    "SPA",    "SWE",     "SWI",
    "437",    "850",    "852",    "857",    "860",    "863",    "865",    "1250",    "1251",
    "1252",   "1253",   "1254",   "1255",   "1256",   "1257",   "1258",   "8859-1",  "8859-2",
    "8859-3", "8859-4", "8859-5", "8859-6", "8859-7", "8859-8", "8859-9", "8859-10", "8859-15"};
inline constexpr std::array<const char*, 22> CountryCodes{
    "001", "002", "003", "031", "032", "033", "034", "036", "038", "039", "041",
    "042", "044", "045", "046", "047", "048", "049", "055", "061", "351", "358"};
// Index 0 is a placeholder, so that real rates sit at their positions in the panel's list.
inline constexpr std::array<const char*, 9> BaudRateNames{"0",     "1200",  "2400",  "4800",  "9600",
                                                          "19200", "38400", "57600", "115200"};
inline constexpr std::array<const char*, 2> DataBitsNames{"7", "8"};
inline constexpr std::array<const char*, 3> ParityNames{"None", "Odd", "Even"};
inline constexpr std::array<const char*, 2> StopBitsNames{"1", "2"};

// Position of the first entry equal to the whole reply (case-sensitive), or count when
// none is.
int32_t TableIndex(const char* const* table, std::size_t count, const char* reply, std::size_t length);
template <std::size_t N>
int32_t TableIndex(const std::array<const char*, N>& table, const char* reply, std::size_t length) {
    return TableIndex(table.data(), N, reply, length);
}

}   // namespace lb
