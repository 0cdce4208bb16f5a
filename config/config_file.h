// SPDX-License-Identifier: Apache-2.0
#pragma once
// The configuration file (.dcf): a fixed 683-byte image of the stored PrinterConfig and
// PrinterStatus plus the panel's unit. It carries no checksum and no length field. A
// configuration file may also be kept in the text form (config/config_json.h): a name ending
// in .json is written so, and a file whose text starts with '{' is read so.

#include "config/config_json.h"
#include "config/printer_config.h"
#include "config/printer_status.h"

#include <QByteArray>
#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace lb {

static_assert(std::endian::native == std::endian::little, "the file image is little-endian");

constexpr uint32_t kConfigFileMagic = 0x55AA;   // bytes AA 55 00 00
constexpr uint32_t kConfigFileFormat = 1;       // written; never checked when loading
constexpr int32_t kUnitInch = 0;                // the unit item: the selector's position
constexpr int32_t kUnitMm = 1;

#pragma pack(push, 1)
struct ConfigFileImage {
    uint32_t magic;
    uint32_t format;
    int32_t unit;
    PrinterConfig config;
    PrinterStatus status;
};
#pragma pack(pop)

constexpr int kConfigFileSize = 683;
static_assert(sizeof(ConfigFileImage) == kConfigFileSize);
static_assert(offsetof(ConfigFileImage, magic) == 0);
static_assert(offsetof(ConfigFileImage, format) == 4);
static_assert(offsetof(ConfigFileImage, unit) == 8);
static_assert(offsetof(ConfigFileImage, config) == 12);
static_assert(offsetof(ConfigFileImage, status) == 673);

// The text shown when a file is not a configuration file; the same in every language.
inline constexpr const char* kFileDataError = "File Data Error";

QByteArray BuildConfigFile(const PrinterConfig& config, const PrinterStatus& status, int32_t unit);

// True when data starts with the magic and holds at least the whole image (bytes beyond it
// are ignored). The outputs are written only then; a short or foreign file changes nothing.
bool ParseConfigFile(const QByteArray& data, PrinterConfig& config, PrinterStatus& status, int32_t& unit);

enum class ConfigFileResult {
    Ok,
    OpenError,   // the file cannot be created, written or opened
    DataError,   // not a configuration file: "File Data Error"; or a text form that is refused
};

enum class ConfigFileForm { Binary, Text };

// What a save or load found beyond its result.
struct ConfigFileDetail {
    ConfigFileForm form = ConfigFileForm::Binary;
    ConfigTextProblem problem;   // a DataError of the text form: what, and which key
};

// Writes the file through a temporary file renamed over the target, so a failed write leaves
// an existing file as it was: the text form when IsConfigTextName(path), which carries the
// unit in the record's UnitIsInch and no status, the image otherwise. On OpenError, error
// (when given) tells the system's reason; on DataError (a value the text form cannot carry,
// nothing written) the problem, naming the key.
ConfigFileResult SaveConfigFile(const QString& path, const PrinterConfig& config, const PrinterStatus& status,
                                int32_t unit, QString* error = nullptr, ConfigFileDetail* detail = nullptr);
// Reads the text form when LooksLikeConfigText, the image otherwise (at most its size counts);
// the outputs change only on Ok. The text form gives a cleared status and the unit of the
// record's UnitIsInch. On OpenError, error (when given) tells the system's reason; on a
// DataError of the text form the problem, naming the key (empty for a foreign binary file).
ConfigFileResult LoadConfigFile(const QString& path, PrinterConfig& config, PrinterStatus& status,
                                int32_t& unit, QString* error = nullptr, ConfigFileDetail* detail = nullptr);

}   // namespace lb
