// Text with tab-separated columns shown as an HTML table, for labels and message boxes.
#pragma once

#include <QString>
#include <string>

namespace mizaro {

// Each line a row, each tab a new right-aligned column: a label has no tab stops that fit the
// narrow info box, and the score text lines up its han and points in columns.
QString TabbedHtml(const std::string& text);

}  // namespace mizaro
