#include "app/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <array>
#include <memory>

namespace lb {
namespace {

int g_languageIndex = kEnglish;

// The translation file of each LanguageIndex; English is the source language.
constexpr std::array<const char*, kLanguageCount> kLanguageCodes = {
    "en", "zh_TW", "zh_CN", "ja", "es", "pt", "de", "fr", "it", "ru", "pl", "lt", "cs", "uk"};

// Lives as long as the program: a destroyed translator would silently take its texts along.
std::unique_ptr<QTranslator>& Translator() {
    static auto* translator = new std::unique_ptr<QTranslator>;
    return *translator;
}

void InstallTranslation(int index) {
    std::unique_ptr<QTranslator>& current = Translator();
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    if (index == kEnglish) return;
    auto next = std::make_unique<QTranslator>();
    const QString file =
        QStringLiteral(":/i18n/labelbench_%1.qm").arg(QLatin1String(kLanguageCodes[std::size_t(index)]));
    // A language without a translation file shows the English texts.
    if (next->load(file) && QCoreApplication::installTranslator(next.get())) current = std::move(next);
}

}   // namespace

int LanguageIndex() {
    return g_languageIndex;
}

void SetLanguageIndex(int index) {
    const int next = (index >= 0 && index < kLanguageCount) ? index : kEnglish;
    if (next == g_languageIndex && (next == kEnglish || Translator())) return;
    g_languageIndex = next;
    InstallTranslation(next);
}

QString LanguageCode(int index) {
    return index >= 0 && index < kLanguageCount ? QLatin1String(kLanguageCodes[std::size_t(index)])
                                                : QString();
}

}   // namespace lb
