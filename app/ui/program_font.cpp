#include "app/ui/program_font.h"

namespace mizaro {

QFont ProgramFont() {
    // A size in pixels keeps the table's fixed layout and the texts in step on any screen.
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(15);
    return font;
}

}  // namespace mizaro
