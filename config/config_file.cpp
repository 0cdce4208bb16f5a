#include "config/config_file.h"

#include "link/save_file.h"

#include <QFile>
#include <cstring>

namespace lb {

QByteArray BuildConfigFile(const PrinterConfig& config, const PrinterStatus& status, int32_t unit) {
    ConfigFileImage image;
    image.magic = kConfigFileMagic;
    image.format = kConfigFileFormat;
    image.unit = unit;
    image.config = config;
    image.status = status;
    return QByteArray(reinterpret_cast<const char*>(&image), sizeof image);
}

bool ParseConfigFile(const QByteArray& data, PrinterConfig& config, PrinterStatus& status, int32_t& unit) {
    if (data.size() < kConfigFileSize) return false;
    ConfigFileImage image;
    std::memcpy(&image, data.constData(), sizeof image);
    if (image.magic != kConfigFileMagic) return false;
    config = image.config;
    status = image.status;
    unit = image.unit;
    return true;
}

ConfigFileResult SaveConfigFile(const QString& path, const PrinterConfig& config, const PrinterStatus& status,
                                int32_t unit) {
    return SaveFileChecked(path, BuildConfigFile(config, status, unit)) ? ConfigFileResult::Ok
                                                                        : ConfigFileResult::OpenError;
}

ConfigFileResult LoadConfigFile(const QString& path, PrinterConfig& config, PrinterStatus& status,
                                int32_t& unit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ConfigFileResult::OpenError;
    const QByteArray data = file.read(kConfigFileSize);
    if (file.error() != QFileDevice::NoError) return ConfigFileResult::OpenError;
    return ParseConfigFile(data, config, status, unit) ? ConfigFileResult::Ok : ConfigFileResult::DataError;
}

}   // namespace lb
