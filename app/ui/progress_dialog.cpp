#include "app/ui/progress_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mizaro {

namespace {
constexpr int kTickMs = 100;
}

ProgressDialog::ProgressDialog(std::thread& worker, const std::atomic<bool>& finished,
                               DetailAnalysis& replay, QWidget* parent)
    : QDialog(parent), worker_(worker), finished_(finished), replay_(replay) {
    setWindowTitle(QStringLiteral("解析中"));
    setModal(true);
    auto* box = new QVBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("c1106"));
    bar_->setRange(0, kProgressScale);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    box->addWidget(bar_);
    auto* row = new QHBoxLayout;
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("c1107"));
    row->addWidget(text_, 1);
    stop_ = new QPushButton(QStringLiteral("中止"), this);
    stop_->setObjectName(QStringLiteral("c1104"));
    stop_->setAutoDefault(false);
    connect(stop_, &QPushButton::clicked, this, [this] { reject(); });
    row->addWidget(stop_);
    box->addLayout(row);
    setFixedSize(280, 90);

    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
}

void ProgressDialog::Tick() {
    bar_->setValue(replay_.progress.load());
    text_->setText(QString::fromStdString(replay_.ProgressText()));
    if (!finished_.load()) return;
    timer_.stop();
    if (worker_.joinable()) worker_.join();
    accept();
}

void ProgressDialog::StopWorker() {
    replay_.cancelRequested = true;
    timer_.stop();
    if (worker_.joinable()) worker_.join();
}

void ProgressDialog::reject() {
    StopWorker();
    QDialog::reject();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        StopWorker();
        accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Esc rejects
}

}  // namespace mizaro
