#include "app/ui/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mizaro {

namespace {

Language current = Language::kJapanese;

QTranslator& ProgramTexts() {
    static QTranslator translator;
    return translator;
}

QTranslator& QtTexts() {
    static QTranslator translator;
    return translator;
}

}  // namespace

Language SystemLanguage() {
    return QLocale().language() == QLocale::Japanese ? Language::kJapanese : Language::kEnglish;
}

void InstallLanguage(Language language) {
    QCoreApplication::removeTranslator(&ProgramTexts());
    QCoreApplication::removeTranslator(&QtTexts());
    current = language;
    const bool english = language == Language::kEnglish;
    // The English translation is built into the program; Japanese is the source text.
    if (english && ProgramTexts().load(QStringLiteral(":/i18n/mizaro_en.qm")))
        QCoreApplication::installTranslator(&ProgramTexts());
    // Qt's buttons and file dialogs are English without a translation.
    if (!english && QtTexts().load(QStringLiteral("qtbase_ja"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTexts());
    // Each removal and installation posts QEvent::LanguageChange to every window.
}

Language CurrentLanguage() {
    return current;
}

}  // namespace mizaro
