#pragma once

// The drawing behind Picture. Every function draws in the picture's natural coordinates
// (0, 0 to its size in pixels); Picture::paint sets up the scale to the target.

#include "core/card.h"
#include "ui/picture.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace drawing {

// The suits' red and black, and the green of the card table's felt.
inline const QColor kSuitRed{204, 16, 32};
inline const QColor kSuitBlack{22, 22, 26};
inline const QColor kFelt{18, 110, 58};
QColor suitColour(int suit);

// A suit symbol of the given height, its bounding box centred on centre.
QPainterPath suitPath(int suit, QPointF centre, qreal height);
// Text is laid out and outlined at this pixel size and then scaled, so that fractional sizes
// are exact and a picture looks the same at every scale.
constexpr int kDesignPixels = 200;
// Arial (Liberation Sans where Arial is missing), unhinted so that it scales linearly.
QFont sansFont(bool bold, bool italic = false);
QFont atDesignSize(QFont font);
// Text as an outline whose baseline starts at origin.
QPainterPath textPath(const QString &text, const QFont &font, qreal pixelSize, QPointF origin);
qreal textAdvance(const QString &text, const QFont &font, qreal pixelSize);
// One line of text; align is Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight of origin.
void fillText(QPainter &painter, const QString &text, const QFont &font, qreal pixelSize,
              QPointF origin, const QColor &colour, Qt::Alignment align = Qt::AlignLeft);
// A star with the given number of points, its first point straight up.
QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius, int points = 5);

// Landscape faces and back, 93 x 54.
void cardFace(QPainter &painter, Card card);
void cardBack(QPainter &painter);
// A face with a thick frame inside its border: a card of the best hold.
void bestCardFace(QPainter &painter, Card card);
// A small upright card (index top-left, one pip in the middle) filling rect.
void miniCard(QPainter &painter, const QRectF &rect, Card card);

// Five small cards fanned around a point below their feet, fitted into box (natural size of
// the fanned-hand picture: 128 x 91).
enum class Fan { FourAces, RoyalFlush };
void fannedHand(QPainter &painter, const QRectF &box, Fan hand = Fan::FourAces);
// The product title's lettering: sunny gradient, dark outline, soft shadow.
void titleLettering(QPainter &painter, const QString &text, QPointF baseline, qreal pixelSize);
// Four poker chips in a row around centre, one for each suit.
void chipRow(QPainter &painter, QPointF centre, qreal radius);

void titleFirst(QPainter &painter);
void titleRest(QPainter &painter);
void fannedHandPicture(QPainter &painter);
void stripes(QPainter &painter);
void windowIcon(QPainter &painter);
void helpStart(QPainter &painter);

void startupScreen(QPainter &painter);
// The start-up picture's lines of text below its title: the subtitle, the year, the note.
QStringList startupTextLines();
void aboutText(QPainter &painter);
// The lines the About text shows, top to bottom.
QStringList aboutTextLines();
void portrait(QPainter &painter);
void clubEmblem(QPainter &painter);
void flag(QPainter &painter);

// One help topic's text, black on white, filling size.
void helpText(QPainter &painter, Picture::Kind kind, QSizeF size);

} // namespace drawing
