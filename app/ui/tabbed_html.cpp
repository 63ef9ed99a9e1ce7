#include "app/ui/tabbed_html.h"

#include <QStringList>

namespace mizaro {

QString TabbedHtml(const std::string& text) {
    QString html = QStringLiteral("<table cellspacing=0 cellpadding=0>");
    for (const QString& line : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        html += QStringLiteral("<tr>");
        const QStringList cells = line.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QString cell = cells[i].trimmed().toHtmlEscaped();
            html += i == 0 ? QStringLiteral("<td>%1</td>")
                                 .arg(cell.isEmpty() ? QStringLiteral("&nbsp;") : cell)
                           : QStringLiteral("<td align=right>&nbsp;&nbsp;%1</td>").arg(cell);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace mizaro
