#pragma once
// The configuration file (.dcf): a fixed 683-byte image of the stored PrinterConfig and
// PrinterStatus plus the panel's unit. It carries no checksum and no length field.

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
    DataError,   // not a configuration file: "File Data Error"
};

// Writes the image through a temporary file renamed over the target, so a failed write
// leaves an existing file as it was. On OpenError, error (when given) tells the system's reason.
ConfigFileResult SaveConfigFile(const QString& path, const PrinterConfig& config, const PrinterStatus& status,
                                int32_t unit, QString* error = nullptr);
// Reads at most the image size; the outputs change only on Ok. On OpenError, error (when
// given) tells the system's reason.
ConfigFileResult LoadConfigFile(const QString& path, PrinterConfig& config, PrinterStatus& status,
                                int32_t& unit, QString* error = nullptr);

}   // namespace lb
