#include <gtest/gtest-spi.h>

#include <QDialog>

#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// A dialog that ignores every answer but a rejection, as a file dialog can while it is busy.
class StubbornDialog : public QDialog {
  public:
    void accept() override { ++tries; }
    int tries = 0;
};

void AnswerAStubbornDialog() {
    StubbornDialog dialog;
    OnNextModal<QDialog> answer([](QDialog* d) { d->accept(); }, 300);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_GT(dialog.tries, 1);  // answered again while it stayed open
}

void ExpectADialogThatNeverOpens() {
    OnNextModal<QDialog> answer([](QDialog* d) { d->accept(); });
}

TEST(ModalHelperTest, ADialogThatStaysOpenFailsTheTestInsteadOfHanging) {
    EXPECT_NONFATAL_FAILURE(AnswerAStubbornDialog(), "was still open 300 ms after");
    EXPECT_NONFATAL_FAILURE(ExpectADialogThatNeverOpens(), "no modal QDialog opened");
}

}  // namespace
}  // namespace mizaro::testing
