// Writes the application's icon for the desktop's icon theme, from the same drawing the window
// uses: quillby-icon OUTPUT_FOLDER writes OUTPUT_FOLDER/<size>x<size>/quillby.png and
// OUTPUT_FOLDER/scalable/quillby.svg.
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "ui/app/app_icon.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillby-icon OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString sized = QStringLiteral("%1/%2x%2").arg(folder).arg(size);
        if (!QDir().mkpath(sized) ||
            !quillby::AppIconImage(size).save(sized + QStringLiteral("/quillby.png"))) {
            std::fprintf(stderr, "quillby-icon: cannot write %s\n", qPrintable(sized));
            return 1;
        }
    }
    const QString scalable = folder + QStringLiteral("/scalable");
    QFile svg(scalable + QStringLiteral("/quillby.svg"));
    const QByteArray text = quillby::AppIconSvg();
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(text) != text.size()) {
        std::fprintf(stderr, "quillby-icon: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
