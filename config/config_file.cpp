// SPDX-License-Identifier: Apache-2.0
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
                                int32_t unit, QString* error, ConfigFileDetail* detail) {
    ConfigFileDetail found;
    QByteArray data;
    if (IsConfigTextName(path)) {
        found.form = ConfigFileForm::Text;
        if (!BuildConfigText(config, data, &found.problem)) {
            if (error) *error = found.problem.message;
            if (detail) *detail = found;
            return ConfigFileResult::DataError;
        }
    } else {
        data = BuildConfigFile(config, status, unit);
    }
    if (detail) *detail = found;
    return SaveFileChecked(path, data, error) ? ConfigFileResult::Ok : ConfigFileResult::OpenError;
}

ConfigFileResult LoadConfigFile(const QString& path, PrinterConfig& config, PrinterStatus& status,
                                int32_t& unit, QString* error, ConfigFileDetail* detail) {
    QFile file(path);
    const auto failed = [&] {
        if (error) *error = file.errorString();
        return ConfigFileResult::OpenError;
    };
    if (!file.open(QIODevice::ReadOnly)) return failed();
    // One byte beyond the largest text, so that a larger one is seen as such.
    const QByteArray data = file.read(kMaxConfigTextSize + 1);
    if (file.error() != QFileDevice::NoError) return failed();
    ConfigFileDetail found;
    if (!LooksLikeConfigText(data)) {
        if (detail) *detail = found;
        return ParseConfigFile(data, config, status, unit) ? ConfigFileResult::Ok
                                                           : ConfigFileResult::DataError;
    }
    found.form = ConfigFileForm::Text;
    PrinterConfig parsed;
    const bool ok = ParseConfigText(data, parsed, &found.problem);
    if (detail) *detail = found;
    if (!ok) {
        if (error) *error = found.problem.message;
        return ConfigFileResult::DataError;
    }
    config = parsed;
    status = PrinterStatus{};
    unit = parsed.UnitIsInch == 1 ? kUnitInch : kUnitMm;
    return ConfigFileResult::Ok;
}

}   // namespace lb
