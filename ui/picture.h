#pragma once

#include "core/card.h"

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// One picture of the game, as a value: which picture, not its pixels. Every picture is drawn
// with QPainter for the size and device pixel ratio it is shown at, so it is sharp at any ratio;
// copying a picture from one image control to another copies this value.
class Picture {
public:
    enum class Kind {
        Empty,
        CardFace,      // one of the 52 faces, 93 x 54
        BestCardFace,  // a face framed as part of the best hold, 93 x 54
        CardBack,      // red and green check, rounded border, 93 x 54
        TitleFirst,    // first word of the product title, 87 x 25
        TitleRest,     // rest of the product title, 178 x 36
        FannedHand,    // a fanned hand of cards, 128 x 91
        Stripes,       // black and yellow diagonal stripes, 70 x 23
        WindowIcon,    // 32 x 32
        StartupScreen, // the start-up window's background, 421 x 187
        AboutText,     // the About window's background text, 314 x 231
        Portrait,      // a stylised figure, 79 x 118
        ClubEmblem,    // a card-club emblem, 150 x 87
        Flag,          // a simple made-up flag, 40 x 24
        HelpStart,     // the Help tab's start picture, 292 x 157
        HowToPlayText, // the help topics, black text on white: 285 x 197
        StatsText,     // 303 x 127
        KeyboardText,  // 303 x 127
        AuthorText,    // 277 x 182
    };

    Picture() = default;
    static Picture of(Kind kind);
    static Picture card(Card card);
    static Picture bestCard(Card card);

    Kind kind() const { return m_kind; }
    Card cardShown() const { return m_card; }   // meaningful for faces only
    bool isEmpty() const { return m_kind == Kind::Empty; }

    // Natural size in pixels at 96 dpi (15 twips a pixel).
    QSize size() const;
    // What a screen reader says for it, e.g. "Queen of hearts" or "card back".
    QString accessibleName() const;
    // The text a picture of text shows, line by line (help topics, About); empty for others.
    QStringList textLines() const;

    // Draws the picture scaled into target; an empty picture draws nothing.
    void paint(QPainter &painter, const QRectF &target) const;
    // The picture rendered at its natural size for the given device pixel ratio.
    QPixmap pixmap(qreal devicePixelRatio = 1.0) const;
    // The picture rendered to fill `logical` pixels at the device pixel ratio, made once for each
    // picture, size and ratio and then taken from Qt's pixmap cache.
    QPixmap rendering(QSize logical, qreal devicePixelRatio) const;
    // Window icon with the sizes a desktop asks for.
    static QIcon windowIcon();

    friend bool operator==(const Picture &a, const Picture &b)
    {
        const bool face = a.m_kind == Kind::CardFace || a.m_kind == Kind::BestCardFace;
        return a.m_kind == b.m_kind && (!face || a.m_card == b.m_card);
    }

private:
    explicit Picture(Kind kind, Card card = {}) : m_kind(kind), m_card(card) {}

    Kind m_kind = Kind::Empty;
    Card m_card;
};
