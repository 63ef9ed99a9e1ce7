// Mizaro, the desktop program: one instance, one window; closing the window ends the program.
#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "app/ui/quit_signals.h"
#include "app/ui/single_instance.h"
#include "core/shanten_table.h"
#include "platform/data_directory.h"
#include "platform/version.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed, so it works on a bare terminal too.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("mizaro %s\n", mizaro::ProgramVersion());
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QString::fromUtf8(mizaro::ProgramVersion()));
    // The desktop entry's name, by which a Wayland desktop finds the window's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("mizaro"));
    // Qt sets the C library's locale from the environment; the numbers of the status line, the
    // pages and the files keep their decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // A second start ends at once, without a window and without a word.
    mizaro::SingleInstance instance(mizaro::InstanceLockDirectory());
    if (!instance.acquired()) return 0;

    QApplication::setFont(mizaro::ProgramFont());

    // A logout or a kill saves the games and ends the program as a close does. A request met
    // while the window is being made (a message box of its start runs events) waits for it.
    mizaro::MainWindow* running = nullptr;
    bool requested = false;
    mizaro::QuitSignals quitSignals([&running, &requested] {
        if (running != nullptr)
            running->QuitOnRequest();
        else
            requested = true;
    });
    mizaro::MainWindow window(mizaro::DataDirectory());
    running = &window;
    if (requested)
        window.QuitOnRequest();
    else
        window.show();
    // Without the table every shanten count, and with it every rating, is wrong: say so rather
    // than play on with wrong numbers.
    if (mizaro::LoadShantenTable().entries == 0) {
        std::fprintf(stderr,
                     "warning: ShantenTable.txt was found neither here, nor beside the program, "
                     "nor in its share/mizaro folder; every shanten count is wrong without it\n");
        QMessageBox::warning(
            &window, QCoreApplication::translate("mizaro::MainWindow", "エラー"),
            QCoreApplication::translate("mizaro::MainWindow",
                                        "ShantenTable.txt が見つかりません。\n"
                                        "向聴数と何切るの評価が正しく数えられません。"));
    }
    // A request answered before the main loop has closed the window already.
    if (!window.isVisible()) return 0;
    return app.exec();
}
