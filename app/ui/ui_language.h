// The window's language: Qt's translators for it installed in the application, which tells
// every widget (QEvent::LanguageChange), and the language the texts of the logic are asked in.
#pragma once

#include "core/language.h"

namespace mizaro {

// Japanese for a Japanese locale, English for any other. The default locale is asked, which
// is the system's unless the program (or a test) sets another.
Language SystemLanguage();

// Installs the program's translation for `language` (none for Japanese, the source) and Qt's
// own texts of the file dialogs and message boxes in that language where they are installed.
void InstallLanguage(Language language);
// The language last installed; Japanese before any.
Language CurrentLanguage();

}  // namespace mizaro
