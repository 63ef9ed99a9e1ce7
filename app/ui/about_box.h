// The about box: the program's name and version.
#pragma once

#include <QDialog>

namespace mizaro {

inline constexpr const char* kVersionText = "Mizaro ver.1.52";

class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace mizaro
