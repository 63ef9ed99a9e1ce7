// The window tests need a QApplication; without a display they run on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "app/ui/ui_language.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows follow the locale unless told otherwise: the tests see the Japanese program
    // on every machine, and the English one where they choose it.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    ::testing::InitGoogleTest(&argc, argv);
    // A test that switched the language leaves the next one the Japanese it expects.
    struct JapaneseAfterEachTest : ::testing::EmptyTestEventListener {
        void OnTestEnd(const ::testing::TestInfo&) override {
            mizaro::InstallLanguage(mizaro::Language::kJapanese);
        }
    };
    ::testing::UnitTest::GetInstance()->listeners().Append(new JapaneseAfterEachTest);
    return RUN_ALL_TESTS();
}
