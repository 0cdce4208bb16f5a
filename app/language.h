// SPDX-License-Identifier: Apache-2.0
#pragma once
// The user-interface language: one index for the whole program, 0..13 in the order of the
// language list (0 English, 5 Portuguese, …).

#include <QLocale>
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
// The index of a code as LanguageCode gives it (case does not matter, "-" for "_"); -1 for
// none.
int LanguageIndexOfCode(const QString& code);

// The language a desktop of this locale starts in: its language (Chinese by territory: Taiwan
// Traditional, China Simplified, any other English); English for one without a translation.
int ChooseInitialLanguage(const QLocale& locale = QLocale::system());

// The language's name as the language list shows it: in the current language, followed by
// the language's own name where that differs ("German (Deutsch)"), so that a person who
// cannot read the current language still finds theirs.
QString LanguageListName(int index);

}   // namespace lb
