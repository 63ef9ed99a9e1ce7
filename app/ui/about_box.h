// The about box: the program's name and version.
#pragma once

#include <QDialog>

#include "core/version.h"

namespace mizaro {

class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace mizaro
