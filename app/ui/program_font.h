// The font of every window of the program: the Japanese texts are laid out and measured in it.
#pragma once

#include <QFont>

namespace mizaro {

QFont ProgramFont();

}  // namespace mizaro
