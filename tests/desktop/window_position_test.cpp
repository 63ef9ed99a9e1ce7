#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>

#include "app/ui/main_window.h"
#include "desktop_session.h"

// Points read as x,y in failure messages.
void PrintTo(const QPoint& p, std::ostream* os) {
    *os << p.x() << "," << p.y();
}

namespace mizaro::testing {
namespace {

// The window manager's frame around a window as the X server has it, asked on a connection of
// our own rather than read from Qt's idea of the frame.
QRect FrameOnServer(const QWidget* window) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    xcb_window_t frame = static_cast<xcb_window_t>(window->winId());
    // The frame is the ancestor that is a child of the root window.
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, frame), nullptr);
        if (tree == nullptr) break;
        const bool top = tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE;
        if (!top) frame = tree->parent;
        free(tree);
        if (top) break;
    }
    QRect rect;
    if (xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(x, xcb_get_geometry(x, frame), nullptr)) {
        const int border = 2 * g->border_width;
        rect = QRect(g->x, g->y, g->width + border, g->height + border);
        free(g);
    }
    xcb_disconnect(x);
    return rect;
}

class WindowPositionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!DesktopUnavailable().empty()) GTEST_SKIP() << DesktopUnavailable();
    }

    // Starts the window as the program does, and waits until the window manager has framed it
    // and the frame stays where it is.
    std::unique_ptr<MainWindow> Start() {
        auto window = std::make_unique<MainWindow>(dir.path().toStdString() + "/");
        window->flow().showResult = false;
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QElapsedTimer waited;
        waited.start();
        QRect last;
        for (int steady = 0; steady < 5 && waited.elapsed() < 5000;) {
            QTest::qWait(40);
            const QRect frame = FrameOnServer(window.get());
            steady = frame == last ? steady + 1 : 0;
            last = frame;
        }
        return window;
    }

    void WriteSettings(const char* text) {
        QFile ini(dir.filePath(QStringLiteral("QTW.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(text);
    }

    QPoint Stored() const {
        QFile ini(dir.filePath(QStringLiteral("QTW.ini")));
        if (!ini.open(QIODevice::ReadOnly)) return {-1, -1};
        const QList<QByteArray> lines = ini.readAll().split('\n');
        if (lines.size() < 2) return {-1, -1};
        return {lines[0].mid(2).toInt(), lines[1].mid(2).toInt()};
    }

    QTemporaryDir dir;
};

TEST_F(WindowPositionTest, WithoutSettingsTheWholeFrameOpensAtTheTopLeft) {
    auto window = Start();
    const QRect frame = FrameOnServer(window.get());
    const QRect screen = window->screen()->geometry();
    ASSERT_GT(frame.height(), window->height()) << "the window manager drew no title bar";
    EXPECT_EQ(frame.topLeft(), screen.topLeft());
    EXPECT_TRUE(screen.contains(frame));
}

TEST_F(WindowPositionTest, TheWindowReopensWhereItWasClosed) {
    const QPoint where(130, 90);
    WriteSettings("X\t130\nY\t90\n");
    for (int start = 1; start <= 4; ++start) {
        auto window = Start();
        EXPECT_EQ(FrameOnServer(window.get()).topLeft(), where) << "start " << start;
        window->close();
        EXPECT_EQ(Stored(), where) << "closed after start " << start;
    }
}

}  // namespace
}  // namespace mizaro::testing
