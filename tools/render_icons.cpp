// Writes the game's window icon as the PNG files of a hicolor icon theme, so that the desktop
// menu shows the very icon the window shows:
//     render_icons FOLDER NAME SIDE...
// writes FOLDER/<SIDE>x<SIDE>/apps/NAME.png for each SIDE in pixels.

#include "ui/picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "render_icons: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4)
        return fail(QStringLiteral("usage: render_icons FOLDER NAME SIDE..."));
    const QDir folder(arguments[1]);
    const QString name = arguments[2];
    const Picture icon = Picture::of(Picture::Kind::WindowIcon);

    for (const QString &sideText : arguments.mid(3)) {
        bool isNumber = false;
        const int side = sideText.toInt(&isNumber);
        if (!isNumber || side <= 0)
            return fail(QStringLiteral("not a size: %1").arg(sideText));
        // Drawn at each size, never scaled from another, so the small ones stay crisp.
        QImage image = icon.pixmap(qreal(side) / icon.size().width()).toImage();
        image.setDevicePixelRatio(1);
        if (image.size() != QSize(side, side))
            return fail(QStringLiteral("the icon is not square at %1 px").arg(side));
        const QString subfolder = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = folder.filePath(subfolder + QLatin1Char('/') + name + ".png");
        if (!folder.mkpath(subfolder) || !image.save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}
