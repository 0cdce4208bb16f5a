#pragma once
// The user-interface language: one index for the whole program, 0..13 in the order of the
// language list (0 English, 5 Portuguese, …).

#include <QString>

namespace lb {

constexpr int kLanguageCount = 14;
constexpr int kEnglish = 0;
constexpr int kPortuguese = 5;

int LanguageIndex();
// Values outside 0..13 select English. Installs the language's translation, so every
// window receives QEvent::LanguageChange and every tr() text follows.
void SetLanguageIndex(int index);
// The language's translation-file code ("pt", "zh_TW"); empty outside 0..13.
QString LanguageCode(int index);

}   // namespace lb
