#include "ui/drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace drawing {

QFont sansFont(bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont atDesignSize(QFont font)
{
    font.setPixelSize(kDesignPixels);
    return font;
}

QPainterPath textPath(const QString &text, const QFont &font, qreal pixelSize, QPointF origin)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), atDesignSize(font), text);
    QTransform place;
    place.translate(origin.x(), origin.y());
    place.scale(pixelSize / kDesignPixels, pixelSize / kDesignPixels);
    return place.map(path);
}

qreal textAdvance(const QString &text, const QFont &font, qreal pixelSize)
{
    return QFontMetricsF(atDesignSize(font)).horizontalAdvance(text) * pixelSize / kDesignPixels;
}

void fillText(QPainter &painter, const QString &text, const QFont &font, qreal pixelSize,
              QPointF origin, const QColor &colour, Qt::Alignment align)
{
    const qreal width = textAdvance(text, font, pixelSize);
    if (align & Qt::AlignHCenter)
        origin.rx() -= width / 2;
    else if (align & Qt::AlignRight)
        origin.rx() -= width;
    painter.fillPath(textPath(text, font, pixelSize, origin), colour);
}

QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius, int points)
{
    QPainterPath path;
    for (int corner = 0; corner < 2 * points; ++corner) {
        const qreal radius = corner % 2 == 0 ? outerRadius : innerRadius;
        const qreal angle = M_PI * corner / points - M_PI / 2;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (corner == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

} // namespace drawing
