#include "app/ui/progress_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace mizaro {

namespace {

constexpr int kTickMs = 100;

// The events by which a player acts; moves and repaints stay harmless.
constexpr QEvent::Type kInput[] = {QEvent::KeyPress,
                                   QEvent::KeyRelease,
                                   QEvent::ShortcutOverride,
                                   QEvent::Shortcut,
                                   QEvent::MouseButtonPress,
                                   QEvent::MouseButtonRelease,
                                   QEvent::MouseButtonDblClick,
                                   QEvent::Wheel,
                                   QEvent::ContextMenu};

bool IsInput(QEvent::Type type) {
    return std::find(std::begin(kInput), std::end(kInput), type) != std::end(kInput);
}

}  // namespace

ProgressDialog::ProgressDialog(ProgressWork& work, const QString& title, QWidget* parent)
    : QDialog(parent), work_(work) {
    setWindowTitle(title);
    setModal(true);
    auto* box = new QVBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("c1106"));
    bar_->setRange(0, work_.Progress() < 0 ? 0 : kProgressBarScale);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    box->addWidget(bar_);
    auto* row = new QHBoxLayout;
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("c1107"));
    row->addWidget(text_, 1);
    stop_ = new QPushButton(tr("中止"), this);
    stop_->setObjectName(QStringLiteral("c1104"));
    stop_->setAutoDefault(false);
    // Only a click stops: a Space meant for the game must not press it.
    stop_->setFocusPolicy(Qt::NoFocus);
    connect(stop_, &QPushButton::clicked, this, [this] { reject(); });
    row->addWidget(stop_);
    box->addLayout(row);
    setFixedSize(280, 90);

    qApp->installEventFilter(this);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
}

void ProgressDialog::Tick() {
    const int progress = work_.Progress();
    if (progress >= 0) bar_->setValue(progress);
    text_->setText(QString::fromStdString(work_.Text()));
    if (!work_.Finished()) return;
    timer_.stop();
    accept();
}

void ProgressDialog::StopWork() {
    timer_.stop();
    work_.Stop();
}

void ProgressDialog::reject() {
    StopWork();
    QDialog::reject();
}

void ProgressDialog::done(int result) {
    qApp->removeEventFilter(this);
    for (QEvent::Type type : kInput) QCoreApplication::removePostedEvents(nullptr, type);
    QDialog::done(result);
}

void ProgressDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && work_.KeepsPartOnEnter()) {
        StopWork();
        accept();
        return;
    }
    if (enter) return;
    QDialog::keyPressEvent(event);  // Esc rejects
}

bool ProgressDialog::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type()) || watched == this || watched == windowHandle()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget == nullptr || !isAncestorOf(widget);
}

}  // namespace mizaro
