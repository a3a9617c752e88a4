// Draws pictures that the program carries ready-drawn, with the game's own drawing code:
//     render_pictures FOLDER RATIO...
// writes FOLDER/startup@<RATIO>x.png, the start-up window's picture at each device pixel ratio.

#include "ui/picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: render_pictures FOLDER RATIO...\n");
        return 1;
    }
    const QDir folder(arguments[1]);
    for (const QString &ratio : arguments.mid(2)) {
        QImage image = Picture::of(Picture::Kind::StartupScreen).pixmap(ratio.toDouble()).toImage();
        image.setDevicePixelRatio(1);
        const QString path = folder.filePath(QStringLiteral("startup@%1x.png").arg(ratio));
        if (image.isNull() || !image.save(path, "PNG")) {
            std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
