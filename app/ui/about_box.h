// The about box: the program's name and version.
#pragma once

#include <QDialog>
#include <QString>

namespace mizaro {

// "Mizaro ver." and the program's version.
QString VersionText();

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace mizaro
