#include "ui/drawing.h"
#include "ui/help_texts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

QStringList helpTopicLines(Picture::Kind kind)
{
    switch (kind) {
    case Picture::Kind::HowToPlayText:
        return {QStringLiteral(
            "First you place a bet, you can bet 10, 20, 30, 40, 100 and 200. Click on the circle "
            "in front of the wanted bet. Then you click on the button marked \"bet\" to confirm "
            "the bet and to get 5 new cards. Now you should click on the cards which you want to "
            "discard. Finally you click on the button marked \"deal\" to get new cards. Remember "
            "that if you dont want to discard any cards you just click on \"deal\" button.If you "
            "manage to get a combination you get points. The goal is to get as much points as "
            "possible without losing any. ;-)")};
    case Picture::Kind::StatsText:
        return {QStringLiteral("History = keep record over your poker hands."),
                QStringLiteral("\"Total\" is the record of all time poker hands."),
                QStringLiteral("\"Current game\" is record over the current game."),
                QString(),
                QStringLiteral("Average win/turn = The average winning per turn.")};
    case Picture::Kind::KeyboardText:
        return {QStringLiteral("The keys 1-5 can be used to discard unwanted cards. To bet or to "
                               "deal you can use SPACE BAR."),
                QString(),
                QStringLiteral("It is easier to play with the keys than the mouse."),
                QString(),
                QStringLiteral("F2\tstarts a new game."),
                QStringLiteral("CTRL+F4\tterminates the program.")};
    case Picture::Kind::AuthorText:
        return {QStringLiteral("Quintdraw was written for the love of the old card tables: the "
                               "green felt, the soft shuffle and the small thrill of the draw."),
                QString(),
                QStringLiteral("We wanted a quiet game for a coffee break, one you can start in "
                               "a second and put down just as quickly, with no clock ticking and "
                               "nobody watching over your shoulder."),
                QString(),
                QStringLiteral("Good luck, and may the royal flush find you!"),
                QString(),
                QStringLiteral("The Quintdraw project")};
    default:
        return {};
    }
}

QString helpTopicTitle(Picture::Kind kind)
{
    switch (kind) {
    case Picture::Kind::HowToPlayText: return QStringLiteral("How to play");
    case Picture::Kind::StatsText: return QStringLiteral("Stats");
    case Picture::Kind::KeyboardText: return QStringLiteral("Keyboard");
    case Picture::Kind::AuthorText: return QStringLiteral("The author");
    default: return {};
    }
}

namespace drawing {

namespace {

constexpr qreal kMargin = 5;
constexpr qreal kLargestPixels = 8 * 96 / 72.0; // Arial 8 pt at 96 dpi
constexpr qreal kSmallestPixels = 6;

struct Placed {
    QString text;
    qreal x = 0;    // in design units from the left margin
    int line = 0;   // row on the page
};

// Lays the topic out at the design size, wrapping at width (design units). Returns the rows used.
int layOut(const QStringList &lines, qreal width, std::vector<Placed> &placed)
{
    const QFont font = atDesignSize(sansFont(false));
    const QFontMetricsF metrics(font);
    qreal column = 0;
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\t')))
            column = std::max(column, metrics.horizontalAdvance(line.section(QLatin1Char('\t'), 0, 0)));
    }
    column += metrics.horizontalAdvance(QStringLiteral("MM"));

    placed.clear();
    int row = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\t'))) {
            placed.push_back({line.section(QLatin1Char('\t'), 0, 0), 0, row});
            placed.push_back({line.section(QLatin1Char('\t'), 1), column, row});
            ++row;
            continue;
        }
        if (line.isEmpty()) {
            ++row;
            continue;
        }
        QTextLayout layout(line, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine wrapped = layout.createLine(); wrapped.isValid();
             wrapped = layout.createLine()) {
            wrapped.setLineWidth(width);
            placed.push_back({line.mid(wrapped.textStart(), wrapped.textLength()), 0, row++});
        }
        layout.endLayout();
    }
    return row;
}

} // namespace

void helpText(QPainter &painter, Picture::Kind kind, QSizeF size)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const QStringList lines = helpTopicLines(kind);
    const QRectF page(kMargin, kMargin, size.width() - 2 * kMargin, size.height() - 2 * kMargin);
    const QFontMetricsF metrics(atDesignSize(sansFont(false)));

    // The largest size, from 8 pt down, at which the whole text fits the page. Rows lie a whole
    // number of pixels apart, which keeps the small text even and as crisp as it gets at 1x.
    std::vector<Placed> placed;
    qreal pixels = kLargestPixels;
    qreal rowStep = 0;
    for (;; pixels -= 0.25) {
        const qreal scale = pixels / kDesignPixels;
        const int rows = layOut(lines, page.width() / scale, placed);
        rowStep = std::round(metrics.lineSpacing() * scale);
        if (rows * rowStep <= page.height() || pixels <= kSmallestPixels)
            break;
    }

    const qreal scale = pixels / kDesignPixels;
    const qreal firstBaseline = std::round(page.top() + metrics.ascent() * scale);
    QPainterPath ink;
    for (const Placed &piece : placed) {
        const QPointF origin(page.left() + piece.x * scale, firstBaseline + piece.line * rowStep);
        ink.addPath(textPath(piece.text, sansFont(false), pixels, origin));
    }
    painter.fillPath(ink, Qt::black);
}

} // namespace drawing
