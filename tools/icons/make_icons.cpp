// Writes the program's icon for the desktop's icon theme into OUT:
//   OUT/hicolor/<n>x<n>/apps/karvo-gmouse.png for the usual sizes, drawn at each size (not
//   scaled from one picture, so the small ones stay crisp), and
//   OUT/hicolor/scalable/apps/karvo-gmouse.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

#include "tools/skin_painter/program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUT\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + "/hicolor";
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder) ||
            !karvo::painter::programIcon(size).save(folder + "/karvo-gmouse.png")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    const QString scalable = out + "/scalable/apps";
    QFile svg(scalable + "/karvo-gmouse.svg");
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(karvo::painter::programIconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
