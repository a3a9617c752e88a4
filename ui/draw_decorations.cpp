#include "ui/drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace drawing {

namespace {

// The two title pictures stand side by side on the game table, the second one 80 px right of
// the first and overlapping it by 7 px, so together they read as one word on one baseline. Their
// top 3 px lie in the tab row's height and stay clear, so the letters keep off the tab row.
constexpr qreal kTitlePixels = 20;
constexpr qreal kTitleBaseline = 21;
constexpr qreal kTitleRestOffset = 80;
constexpr qreal kTitleFirstRight = 85;

// Cards of 40 x 58 units fanned over spreadDegrees around a point below their feet, scaled and
// centred to fit box.
void fan(QPainter &painter, const QRectF &box, const std::vector<Card> &cards,
         qreal spreadDegrees)
{
    const QRectF card(-20, -80, 40, 58);
    const qreal step = cards.size() > 1 ? spreadDegrees / (cards.size() - 1) : 0;
    std::vector<QTransform> turns;
    QRectF bounds;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        QTransform turn;
        turn.rotate(-spreadDegrees / 2 + step * i);
        turns.push_back(turn);
        bounds |= turn.mapRect(card);
    }
    bounds.adjust(-1, -1, 2, 2); // room for the shadow
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    painter.save();
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        painter.save();
        painter.setTransform(turns[i], true);
        QPainterPath shadow;
        shadow.addRoundedRect(card.translated(1.2, 1.2), 4, 4);
        painter.fillPath(shadow, QColor(0, 0, 0, 60));
        miniCard(painter, card, cards[i]);
        painter.restore();
    }
    painter.restore();
}

const std::vector<Card> kFourAces = {
    {13, Hearts}, {14, Clubs}, {14, Diamonds}, {14, Hearts}, {14, Spades}};
const std::vector<Card> kRoyalFlush = {
    {10, Hearts}, {11, Hearts}, {12, Hearts}, {13, Hearts}, {14, Hearts}};

// A poker chip with white inlays on its rim and the suit in its middle; rims in suit order.
void chip(QPainter &painter, QPointF centre, qreal radius, int suit)
{
    static const QColor rims[] = {QColor(30, 80, 190), QColor(200, 20, 34), QColor(18, 110, 58),
                                  QColor(52, 52, 60)};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(radius * 0.1, radius * 0.13), radius, radius);
    painter.setBrush(rims[suit]);
    painter.drawEllipse(centre, radius, radius);
    QPen dashes(Qt::white, radius * 0.21, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({1.6, 1.4});
    painter.setPen(dashes);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.88, radius * 0.88);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius * 0.67, radius * 0.67);
    painter.fillPath(suitPath(suit, centre, radius * 0.86), suitColour(suit));
    painter.restore();
}

} // namespace

void fannedHand(QPainter &painter, const QRectF &box, Fan hand)
{
    fan(painter, box, hand == Fan::RoyalFlush ? kRoyalFlush : kFourAces, 64);
}

void titleLettering(QPainter &painter, const QString &text, QPointF baseline, qreal pixelSize)
{
    const QPainterPath letters = textPath(text, sansFont(true, true), pixelSize, baseline);
    const qreal outline = pixelSize * 0.11;
    const qreal top = baseline.y() - pixelSize * 0.74;

    painter.fillPath(letters.translated(outline * 0.7, outline * 1.1), QColor(0, 0, 0, 90));
    painter.strokePath(letters, QPen(QColor(92, 22, 8), outline, Qt::SolidLine, Qt::RoundCap,
                                     Qt::RoundJoin));
    QLinearGradient sunny(0, top, 0, baseline.y());
    sunny.setColorAt(0, QColor(255, 246, 168));
    sunny.setColorAt(0.45, QColor(255, 196, 36));
    sunny.setColorAt(1, QColor(232, 92, 12));
    painter.fillPath(letters, sunny);
}

void chipRow(QPainter &painter, QPointF centre, qreal radius)
{
    const int order[] = {Spades, Hearts, Clubs, Diamonds};
    for (int i = 0; i < 4; ++i)
        chip(painter, centre + QPointF((i - 1.5) * radius * 2.3, 0), radius, order[i]);
}

void titleFirst(QPainter &painter)
{
    const QString first = QStringLiteral("Quint");
    const qreal width = textAdvance(first, sansFont(true, true), kTitlePixels);
    titleLettering(painter, first, QPointF(kTitleFirstRight - width, kTitleBaseline),
                   kTitlePixels);
}

void titleRest(QPainter &painter)
{
    const QString rest = QStringLiteral("draw");
    const qreal start = kTitleFirstRight - kTitleRestOffset;
    titleLettering(painter, rest, QPointF(start, kTitleBaseline), kTitlePixels);

    // A flourish of poker chips, one per suit, after the word.
    const qreal end = start + textAdvance(rest, sansFont(true, true), kTitlePixels);
    chipRow(painter, QPointF(end + 22 + 1.5 * 24, 19), 10.5);
}

void fannedHandPicture(QPainter &painter)
{
    fannedHand(painter, QRectF(0, 0, 128, 91));
}

void stripes(QPainter &painter)
{
    painter.fillRect(QRectF(0, 0, 70, 23), QColor(250, 200, 0));
    constexpr qreal period = 14;
    QPainterPath black;
    for (qreal x = -23; x < 70 + period; x += period) {
        QPolygonF band;
        band << QPointF(x, 23) << QPointF(x + period / 2, 23) << QPointF(x + period / 2 + 23, 0)
             << QPointF(x + 23, 0);
        black.addPolygon(band);
        black.closeSubpath();
    }
    painter.fillPath(black, QColor(24, 24, 24));
}

void windowIcon(QPainter &painter)
{
    // Bold and without indexes, so that it still reads at 16 px.
    const QRectF card(-8.5, -12, 17, 24);
    const auto drawCard = [&](QPointF centre, qreal degrees, int suit, QPointF pip) {
        painter.save();
        painter.translate(centre);
        painter.rotate(degrees);
        QPainterPath outline;
        outline.addRoundedRect(card, 2.5, 2.5);
        painter.fillPath(outline.translated(0.8, 0.8), QColor(0, 0, 0, 70));
        painter.fillPath(outline, Qt::white);
        painter.fillPath(suitPath(suit, pip, 11), suitColour(suit));
        painter.strokePath(outline, QPen(QColor(30, 30, 30), 1.3));
        painter.restore();
    };
    // The heart sits where the front card leaves its card uncovered; the layout is shrunk a
    // little about the centre so that the tilted corners and outlines stay inside the picture.
    painter.save();
    painter.translate(16, 16);
    painter.scale(0.9, 0.9);
    painter.translate(-16, -16);
    drawCard(QPointF(11.2, 15.6), -16, Hearts, QPointF(-2.6, -2.5));
    drawCard(QPointF(20.8, 16.4), 12, Spades, QPointF(0, 0));
    painter.restore();
}

void helpStart(QPainter &painter)
{
    painter.fillRect(QRectF(0, 0, 292, 157), Qt::white);
    fannedHand(painter, QRectF(86, 4, 120, 80));
    const QString title = QStringLiteral("Quintdraw");
    const qreal width = textAdvance(title, sansFont(true, true), 32);
    titleLettering(painter, title, QPointF(146 - width / 2, 114), 32);
    const QColor grey(70, 70, 70);
    fillText(painter, QStringLiteral("2026"), sansFont(true), 12, QPointF(146, 134), grey,
             Qt::AlignHCenter);
    fillText(painter, QStringLiteral("by the Quintdraw project"), sansFont(false, true), 12,
             QPointF(146, 150), grey, Qt::AlignHCenter);
}

} // namespace drawing
