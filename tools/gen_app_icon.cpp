// Writes the program's icon into an icon theme folder: scalable/apps/mizaro.svg and
// <n>x<n>/apps/mizaro.png for every raster size.
#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>

#include "app/ui/app_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_app_icon THEME_FOLDER\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    bool ok = theme.mkpath(QStringLiteral("scalable/apps"));
    QFile svg(theme.filePath(QStringLiteral("scalable/apps/mizaro.svg")));
    const std::string text = mizaro::AppIconSvg();
    ok = ok && svg.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         svg.write(text.data(), static_cast<qint64>(text.size())) ==
             static_cast<qint64>(text.size());
    svg.close();
    for (int size : mizaro::kAppIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        ok = ok && theme.mkpath(folder) &&
             mizaro::DrawAppIcon(size).save(theme.filePath(folder + QStringLiteral("/mizaro.png")));
    }
    if (!ok) std::fprintf(stderr, "gen_app_icon: could not write the icon into %s\n", argv[1]);
    return ok ? 0 : 1;
}
