// The end of a game in the window: the result boxes, placed so the game stays in sight, and the
// automatic discards after riichi at a pace the player can follow.
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "app/ui/box_placement.h"
#include "app/ui/frame_placement.h"
#include "app/ui/main_window.h"
#include "app/ui/result_box.h"
#include "app/ui/table_layout.h"

namespace mizaro {

void MainWindow::ShowGameEnd(const GameEnd& end) {
    if (!IsValidKind(end.winningTile)) {
        ShowBox(end.caption, end.text, QMessageBox::Ok, true);
        return;
    }
    const QPixmap ura = IsValidKind(end.uraIndicator) ? tiles_[end.uraIndicator] : QPixmap();
    WinBox box(QString::fromStdString(end.caption), end.text, tiles_[end.winningTile], ura, this);
    box.onShown = [this](QWidget* shown) { PlaceAside(shown); };
    RunBox(box);
}

int MainWindow::RunBox(QDialog& box) {
    QDialog* outer = openBox_;
    openBox_ = &box;
    keyGuard_.BoxOpened();
    const int answer = box.exec();
    keyGuard_.BoxClosed();
    openBox_ = outer;
    return answer;
}

void MainWindow::PlaceAside(QWidget* box) {
    auto global = [this](const QRect& r) {
        return QRect(table_->mapToGlobal(r.topLeft()), r.size());
    };
    // The hand with the assist marks above it and the room a lifted tile takes; the whole
    // discard area, filled or not yet, with room for a riichi tile on its side.
    const std::vector<QRect> game = {
        global(layout::MarkText(0).united(layout::HandTile(kHandSlots - 1))),
        global(layout::kDiscardArea),
        global(layout::kDoraTile)};
    // The box's frame is not there yet; it will be as wide as the window's.
    const QWindow* handle = windowHandle();
    const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
    const QScreen* screen = this->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : frameGeometry();
    MoveFrameTo(box, PlaceBox(box->size().grownBy(frame), frameGeometry(), available, game));
}

bool MainWindow::ScheduleAutomaticStep() {
    pacer_.Schedule();
    return true;
}

}  // namespace mizaro
