#include "app/language.h"

namespace lb {
namespace {
int g_languageIndex = kEnglish;
}

int LanguageIndex() {
    return g_languageIndex;
}

void SetLanguageIndex(int index) {
    g_languageIndex = (index >= 0 && index < kLanguageCount) ? index : kEnglish;
}

}   // namespace lb
