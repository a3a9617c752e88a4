#include "ui/picture.h"

#include "ui/drawing.h"
#include "ui/help_texts.h"

#include <QImage>
#include <QPainter>

namespace {

// Drawn straight at the wanted pixel size rather than scaled up, so edges stay sharp.
QImage rendered(const Picture &picture, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}

} // namespace

Picture Picture::of(Kind kind)
{
    return Picture(kind);
}

Picture Picture::card(Card card)
{
    return Picture(Kind::CardFace, card);
}

Picture Picture::bestCard(Card card)
{
    return Picture(Kind::BestCardFace, card);
}

QSize Picture::size() const
{
    switch (m_kind) {
    case Kind::Empty: return {0, 0};
    case Kind::CardFace:
    case Kind::BestCardFace:
    case Kind::CardBack: return {93, 54};
    case Kind::TitleFirst: return {87, 25};
    case Kind::TitleRest: return {178, 36};
    case Kind::FannedHand: return {128, 91};
    case Kind::Stripes: return {70, 23};
    case Kind::WindowIcon: return {32, 32};
    case Kind::StartupScreen: return {421, 187};
    case Kind::AboutText: return {314, 231};
    case Kind::Portrait: return {79, 118};
    case Kind::ClubEmblem: return {150, 87};
    case Kind::Flag: return {40, 24};
    case Kind::HelpStart: return {292, 157};
    case Kind::HowToPlayText: return {285, 197};
    case Kind::StatsText:
    case Kind::KeyboardText: return {303, 127};
    case Kind::AuthorText: return {277, 182};
    }
    return {0, 0};
}

QStringList Picture::textLines() const
{
    return m_kind == Kind::AboutText ? drawing::aboutTextLines() : helpTopicLines(m_kind);
}

QString Picture::accessibleName() const
{
    switch (m_kind) {
    case Kind::Empty: return {};
    case Kind::CardFace: return cardName(m_card);
    case Kind::BestCardFace: return cardName(m_card) + QStringLiteral(", best hold");
    case Kind::CardBack: return QStringLiteral("card back");
    case Kind::TitleFirst:
    case Kind::TitleRest: return QStringLiteral("Quintdraw title");
    case Kind::FannedHand: return QStringLiteral("a fanned hand of cards");
    case Kind::Stripes: return QStringLiteral("warning stripes");
    case Kind::WindowIcon: return QStringLiteral("Quintdraw icon");
    case Kind::StartupScreen: return QStringLiteral("Quintdraw is starting");
    case Kind::AboutText: return QStringLiteral("About Quintdraw");
    case Kind::Portrait: return QStringLiteral("portrait of a card dealer");
    case Kind::ClubEmblem: return QStringLiteral("club emblem");
    case Kind::Flag: return QStringLiteral("flag");
    case Kind::HelpStart: return QStringLiteral("Quintdraw help");
    case Kind::HowToPlayText:
    case Kind::StatsText:
    case Kind::KeyboardText:
    case Kind::AuthorText: return helpTopicTitle(m_kind);
    }
    return {};
}

void Picture::paint(QPainter &painter, const QRectF &target) const
{
    const QSize natural = size();
    if (natural.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / natural.width(), target.height() / natural.height());
    painter.setClipRect(QRectF(QPointF(0, 0), natural), Qt::IntersectClip);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);

    switch (m_kind) {
    case Kind::Empty: break;
    case Kind::CardFace: drawing::cardFace(painter, m_card); break;
    case Kind::BestCardFace: drawing::bestCardFace(painter, m_card); break;
    case Kind::CardBack: drawing::cardBack(painter); break;
    case Kind::TitleFirst: drawing::titleFirst(painter); break;
    case Kind::TitleRest: drawing::titleRest(painter); break;
    case Kind::FannedHand: drawing::fannedHandPicture(painter); break;
    case Kind::Stripes: drawing::stripes(painter); break;
    case Kind::WindowIcon: drawing::windowIcon(painter); break;
    case Kind::StartupScreen: drawing::startupScreen(painter); break;
    case Kind::AboutText: drawing::aboutText(painter); break;
    case Kind::Portrait: drawing::portrait(painter); break;
    case Kind::ClubEmblem: drawing::clubEmblem(painter); break;
    case Kind::Flag: drawing::flag(painter); break;
    case Kind::HelpStart: drawing::helpStart(painter); break;
    case Kind::HowToPlayText:
    case Kind::StatsText:
    case Kind::KeyboardText:
    case Kind::AuthorText: drawing::helpText(painter, m_kind, natural); break;
    }
    painter.restore();
}

QPixmap Picture::pixmap(qreal devicePixelRatio) const
{
    const QSize natural = size();
    if (natural.isEmpty() || devicePixelRatio <= 0)
        return {};
    QImage image = rendered(*this, QSize(qRound(natural.width() * devicePixelRatio),
                                         qRound(natural.height() * devicePixelRatio)));
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

QIcon Picture::windowIcon()
{
    const Picture icon = of(Kind::WindowIcon);
    QIcon result;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        result.addPixmap(QPixmap::fromImage(rendered(icon, QSize(side, side))));
    return result;
}
