// SPDX-License-Identifier: Apache-2.0
#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

namespace lb {
namespace {

int g_languageIndex = kEnglish;

// The translation file of each LanguageIndex; English is the source language.
constexpr std::array<const char*, kLanguageCount> kLanguageCodes = {
    "en", "zh_TW", "zh_CN", "ja", "es", "pt", "de", "fr", "it", "ru", "pl", "lt", "cs", "uk"};

// The names in the language list, in list order, and each language's own name.
constexpr std::array<const char*, kLanguageCount> kLanguageNames = {
    QT_TRANSLATE_NOOP("lb::Language", "English"),
    QT_TRANSLATE_NOOP("lb::Language", "Traditional Chinese"),
    QT_TRANSLATE_NOOP("lb::Language", "Simplified Chinese"),
    QT_TRANSLATE_NOOP("lb::Language", "Japanese"),
    QT_TRANSLATE_NOOP("lb::Language", "Spanish"),
    QT_TRANSLATE_NOOP("lb::Language", "Portuguese"),
    QT_TRANSLATE_NOOP("lb::Language", "German"),
    QT_TRANSLATE_NOOP("lb::Language", "French"),
    QT_TRANSLATE_NOOP("lb::Language", "Italian"),
    QT_TRANSLATE_NOOP("lb::Language", "Russian"),
    QT_TRANSLATE_NOOP("lb::Language", "Polish"),
    QT_TRANSLATE_NOOP("lb::Language", "Lithuanian"),
    QT_TRANSLATE_NOOP("lb::Language", "Czech"),
    QT_TRANSLATE_NOOP("lb::Language", "Ukrainian")};
constexpr std::array<const char*, kLanguageCount> kOwnNames = {
    "English",  "繁體中文", "简体中文", "日本語", "Español",  "Português", "Deutsch",
    "Français", "Italiano", "Русский",  "Polski", "Lietuvių", "Čeština",   "Українська"};

// Qt's own texts (standard buttons, file and font dialogs) in the language, where Qt has them.
constexpr std::array<const char*, kLanguageCount> kQtCodes = {
    "", "zh_TW", "zh_CN", "ja", "es", "pt_BR", "de", "fr", "it", "ru", "pl", "", "cs", "uk"};

// Live as long as the program: a destroyed translator would silently take its texts along.
std::unique_ptr<QTranslator>& Translator() {
    static auto* translator = new std::unique_ptr<QTranslator>;
    return *translator;
}
std::unique_ptr<QTranslator>& QtTranslator() {
    static auto* translator = new std::unique_ptr<QTranslator>;
    return *translator;
}

// Replaces the installed translation with file's (none for an empty name or one that does
// not load: the English texts).
void Install(std::unique_ptr<QTranslator>& current, const QString& file) {
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    if (file.isEmpty()) return;
    auto next = std::make_unique<QTranslator>();
    if (next->load(file) && QCoreApplication::installTranslator(next.get())) current = std::move(next);
}

void InstallTranslation(int index) {
    const auto i = std::size_t(index);
    const bool english = index == kEnglish;
    const QString qtCode = QLatin1String(kQtCodes[i]);
    Install(QtTranslator(), english || qtCode.isEmpty() ? QString()
                                                        : QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                                              QStringLiteral("/qtbase_%1.qm").arg(qtCode));
    Install(Translator(),
            english ? QString()
                    : QStringLiteral(":/i18n/labelbench_%1.qm").arg(QLatin1String(kLanguageCodes[i])));
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

int LanguageIndexOfCode(const QString& code) {
    const QString wanted = QString(code).replace(u'-', u'_').toLower();
    for (int i = 0; i < kLanguageCount; ++i)
        if (QLatin1String(kLanguageCodes[std::size_t(i)]).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int ChooseInitialLanguage(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::Chinese:
        if (locale.territory() == QLocale::Taiwan) return 1;
        if (locale.territory() == QLocale::China) return 2;
        return kEnglish;
    case QLocale::Japanese:
        return 3;
    case QLocale::Spanish:
        return 4;
    case QLocale::Portuguese:
        return kPortuguese;
    case QLocale::German:
        return 6;
    case QLocale::French:
        return 7;
    case QLocale::Italian:
        return 8;
    case QLocale::Russian:
        return 9;
    case QLocale::Polish:
        return 10;
    case QLocale::Lithuanian:
        return 11;
    case QLocale::Czech:
        return 12;
    case QLocale::Ukrainian:
        return 13;
    default:
        return kEnglish;
    }
}

QString LanguageListName(int index) {
    if (index < 0 || index >= kLanguageCount) return {};
    const auto i = std::size_t(index);
    const QString name = QCoreApplication::translate("lb::Language", kLanguageNames[i]);
    const QString own = QString::fromUtf8(kOwnNames[i]);
    return name == own ? name : QStringLiteral("%1 (%2)").arg(name, own);
}

}   // namespace lb
