#include "ui/picture.h"

#include "ui/drawing.h"
#include "ui/help_texts.h"
#include "ui/suit_colours.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>

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

namespace {

using Kind = Picture::Kind;

// Each picture once: its natural size at 96 dpi, what a screen reader calls it (a fixed name, or
// one made from the card or topic), how it is drawn into its natural size. In the order of
// Picture::Kind.
struct PictureEntry {
    Kind kind;
    QSize size;
    const char *name;
    QString (*nameOf)(Card card, Kind kind);
    void (*draw)(QPainter &painter, Card card, Kind kind, QSize natural);
};

template <void (*drawn)(QPainter &)>
void plain(QPainter &painter, Card, Kind, QSize)
{
    drawn(painter);
}

QString topicTitle(Card, Kind kind)
{
    return helpTopicTitle(kind);
}

void helpText(QPainter &painter, Card, Kind kind, QSize natural)
{
    drawing::helpText(painter, kind, natural);
}

const PictureEntry kPictures[] = {
    {Kind::Empty, {0, 0}, nullptr, nullptr, [](QPainter &, Card, Kind, QSize) {}},
    {Kind::CardFace, {93, 54}, nullptr, [](Card card, Kind) { return cardName(card); },
     [](QPainter &painter, Card card, Kind, QSize) { drawing::cardFace(painter, card); }},
    {Kind::BestCardFace, {93, 54}, nullptr, [](Card card, Kind) { return cardName(card) + QStringLiteral(", best hold"); },
     [](QPainter &painter, Card card, Kind, QSize) { drawing::bestCardFace(painter, card); }},
    {Kind::CardBack, {93, 54}, "card back", nullptr, plain<drawing::cardBack>},
    {Kind::TitleFirst, {87, 25}, "Quintdraw title", nullptr, plain<drawing::titleFirst>},
    {Kind::TitleRest, {178, 36}, "Quintdraw title", nullptr, plain<drawing::titleRest>},
    {Kind::FannedHand, {128, 91}, "a fanned hand of cards", nullptr, plain<drawing::fannedHandPicture>},
    {Kind::Stripes, {70, 23}, "warning stripes", nullptr, plain<drawing::stripes>},
    {Kind::WindowIcon, {32, 32}, "Quintdraw icon", nullptr, plain<drawing::windowIcon>},
    {Kind::StartupScreen, {421, 187}, "Quintdraw is starting", nullptr, plain<drawing::startupScreen>},
    {Kind::AboutText, {314, 231}, "About Quintdraw", nullptr, plain<drawing::aboutText>},
    {Kind::Portrait, {79, 118}, "portrait of a card dealer", nullptr, plain<drawing::portrait>},
    {Kind::ClubEmblem, {150, 87}, "club emblem", nullptr, plain<drawing::clubEmblem>},
    {Kind::Flag, {40, 24}, "flag", nullptr, plain<drawing::flag>},
    {Kind::HelpStart, {292, 157}, "Quintdraw help", nullptr, plain<drawing::helpStart>},
    {Kind::HowToPlayText, {285, 197}, nullptr, topicTitle, helpText},
    {Kind::StatsText, {303, 127}, nullptr, topicTitle, helpText},
    {Kind::KeyboardText, {303, 127}, nullptr, topicTitle, helpText},
    {Kind::AuthorText, {277, 182}, nullptr, topicTitle, helpText},
};

const PictureEntry &entryOf(Kind kind)
{
    const PictureEntry &entry = kPictures[static_cast<int>(kind)];
    Q_ASSERT(entry.kind == kind);
    return entry;
}

} // namespace

QSize Picture::size() const
{
    return entryOf(m_kind).size;
}

QStringList Picture::textLines() const
{
    return m_kind == Kind::AboutText ? drawing::aboutTextLines() : helpTopicLines(m_kind);
}

QString Picture::accessibleName() const
{
    const PictureEntry &entry = entryOf(m_kind);
    if (entry.nameOf)
        return entry.nameOf(m_card, m_kind);
    return entry.name ? QString::fromUtf8(entry.name) : QString();
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
    entryOf(m_kind).draw(painter, m_card, m_kind, natural);
    painter.restore();
}

QPixmap Picture::rendering(QSize logical, qreal devicePixelRatio) const
{
    if (isEmpty() || logical.isEmpty() || devicePixelRatio <= 0)
        return {};
    // The suits' inks are part of the key: a picture drawn in two colours is not one in four.
    const QString key = QStringLiteral("quintdraw/%1/%2/%3/%4x%5@%6/%7")
                            .arg(int(m_kind)).arg(m_card.rank).arg(m_card.suit)
                            .arg(logical.width()).arg(logical.height()).arg(devicePixelRatio)
                            .arg(int(suitColoursUsed()));
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    QImage image = rendered(*this, QSize(qRound(logical.width() * devicePixelRatio),
                                         qRound(logical.height() * devicePixelRatio)));
    image.setDevicePixelRatio(devicePixelRatio);
    cached = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, cached);
    return cached;
}

QPixmap Picture::pixmap(qreal devicePixelRatio) const
{
    return rendering(size(), devicePixelRatio);
}

QIcon Picture::windowIcon()
{
    const Picture icon = of(Kind::WindowIcon);
    QIcon result;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        result.addPixmap(QPixmap::fromImage(rendered(icon, QSize(side, side))));
    return result;
}
