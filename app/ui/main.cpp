// Mizaro, the desktop program: one instance, one window; closing the window ends the program.
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

#include "app/ui/main_window.h"
#include "app/ui/single_instance.h"
#include "platform/data_directory.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt sets the C library's locale from the environment; the numbers of the status line, the
    // pages and the files keep their decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // A second start ends at once, without a window and without a word.
    mizaro::SingleInstance instance(mizaro::InstanceLockDirectory());
    if (!instance.acquired()) return 0;

    // The file dialogs and the buttons of the message boxes speak Japanese too, where Qt's
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(15);
    QApplication::setFont(font);

    mizaro::MainWindow window(mizaro::DataDirectory());
    window.show();
    return app.exec();
}
