#include "ui/help_texts.h"
#include "ui/picture.h"

#include <QPainter>
#include <QtTest>

#include <cstdlib>
#include <vector>

using Kind = Picture::Kind;
Q_DECLARE_METATYPE(Picture::Kind)
Q_DECLARE_METATYPE(Picture)

namespace {

QImage rendered(const Picture &picture, qreal ratio = 1.0)
{
    return picture.pixmap(ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isRed(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// True when every pixel of area has the given colour.
bool allOf(const QImage &image, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != colour)
                return false;
        }
    }
    return true;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
           + std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void naturalSize_data();
    void naturalSize();
    void drawnAnewAtDoubleResolution_data();
    void drawnAnewAtDoubleResolution();
    void onlyRedSuitsAreRed();
    void everyFaceTellsItselfByItsTopStrip();
    void paintStaysInsideItsTarget();
    void aboutTextLeavesTheOverlaysClear();
    void helpTopicsFitTheirPictures_data();
    void helpTopicsFitTheirPictures();
    void namesForScreenReaders();
    void windowIconHasDesktopSizes();
};

void TestPictures::naturalSize_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QSize>("size");
    QTest::newRow("empty") << Kind::Empty << QSize(0, 0);
    QTest::newRow("face") << Kind::CardFace << QSize(93, 54);
    QTest::newRow("back") << Kind::CardBack << QSize(93, 54);
    QTest::newRow("title first") << Kind::TitleFirst << QSize(87, 25);
    QTest::newRow("title rest") << Kind::TitleRest << QSize(178, 36);
    QTest::newRow("fan") << Kind::FannedHand << QSize(128, 91);
    QTest::newRow("stripes") << Kind::Stripes << QSize(70, 23);
    QTest::newRow("icon") << Kind::WindowIcon << QSize(32, 32);
    QTest::newRow("start-up") << Kind::StartupScreen << QSize(421, 187);
    QTest::newRow("about") << Kind::AboutText << QSize(314, 231);
    QTest::newRow("portrait") << Kind::Portrait << QSize(79, 118);
    QTest::newRow("club") << Kind::ClubEmblem << QSize(150, 87);
    QTest::newRow("flag") << Kind::Flag << QSize(40, 24);
    QTest::newRow("help start") << Kind::HelpStart << QSize(292, 157);
    QTest::newRow("how to play") << Kind::HowToPlayText << QSize(285, 197);
    QTest::newRow("stats") << Kind::StatsText << QSize(303, 127);
    QTest::newRow("keyboard") << Kind::KeyboardText << QSize(303, 127);
    QTest::newRow("author") << Kind::AuthorText << QSize(277, 182);
}

void TestPictures::naturalSize()
{
    QFETCH(Kind, kind);
    QFETCH(QSize, size);
    const Picture picture = Picture::of(kind);
    QCOMPARE(picture.size(), size);
    if (size.isEmpty()) {
        QVERIFY(picture.pixmap(1).isNull());
        return;
    }
    const QPixmap pixmap = picture.pixmap(1);
    QCOMPARE(pixmap.size(), size);
    QVERIFY2(!allOf(pixmap.toImage(), pixmap.rect(), pixmap.toImage().pixel(0, 0)),
             "the picture is blank");
}

void TestPictures::drawnAnewAtDoubleResolution_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::newRow("ace of spades") << Picture::card({14, Spades});
    QTest::newRow("back") << Picture::of(Kind::CardBack);
    QTest::newRow("title") << Picture::of(Kind::TitleFirst);
    QTest::newRow("help text") << Picture::of(Kind::StatsText);
}

void TestPictures::drawnAnewAtDoubleResolution()
{
    QFETCH(Picture, picture);
    const QImage single = rendered(picture);
    const QPixmap doublePixmap = picture.pixmap(2);
    QCOMPARE(doublePixmap.devicePixelRatio(), 2.0);
    QCOMPARE(doublePixmap.size(), picture.size() * 2);
    const QImage twice = doublePixmap.toImage().convertToFormat(QImage::Format_ARGB32);

    // Same picture: scaled back down, it is close to the single-resolution rendering.
    const QImage reduced = twice.scaled(single.size(), Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    qint64 distance = 0;
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x)
            distance += channelDistance(single.pixel(x, y), reduced.pixel(x, y));
    }
    QVERIFY2(distance < qint64(single.width()) * single.height() * 40,
             qPrintable(QStringLiteral("mean distance %1")
                            .arg(double(distance) / (single.width() * single.height()))));

    // Drawn anew, not blown up: many 2 x 2 blocks are not one colour.
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < twice.height(); y += 2) {
        for (int x = 0; x + 1 < twice.width(); x += 2) {
            const QRgb corner = twice.pixel(x, y);
            if (twice.pixel(x + 1, y) != corner || twice.pixel(x, y + 1) != corner
                || twice.pixel(x + 1, y + 1) != corner)
                ++mixedBlocks;
        }
    }
    QVERIFY2(mixedBlocks > single.width() * single.height() / 50,
             qPrintable(QString::number(mixedBlocks)));
}

void TestPictures::onlyRedSuitsAreRed()
{
    for (int suit = Diamonds; suit <= Spades; ++suit) {
        const bool red = suit == Diamonds || suit == Hearts;
        for (int rank = kLowestRank; rank <= kAce; ++rank) {
            const QImage face = rendered(Picture::card({rank, suit}));
            int redPixels = 0;
            for (int y = 0; y < face.height(); ++y) {
                for (int x = 0; x < face.width(); ++x)
                    redPixels += isRed(face.pixel(x, y));
            }
            const QString card = cardName({rank, suit});
            QVERIFY2(red ? redPixels > 100 : redPixels == 0, qPrintable(card));
        }
    }
}

void TestPictures::everyFaceTellsItselfByItsTopStrip()
{
    // A card rising from behind the frame shows only its top 16 px at first.
    std::vector<std::pair<Card, QImage>> strips;
    for (int suit = Diamonds; suit <= Spades; ++suit) {
        for (int rank = kLowestRank; rank <= kAce; ++rank)
            strips.emplace_back(Card{rank, suit},
                                rendered(Picture::card({rank, suit})).copy(0, 0, 93, 16));
    }
    for (std::size_t a = 0; a < strips.size(); ++a) {
        for (std::size_t b = a + 1; b < strips.size(); ++b) {
            QVERIFY2(strips[a].second != strips[b].second,
                     qPrintable(cardName(strips[a].first) + " / " + cardName(strips[b].first)));
        }
    }
}

void TestPictures::paintStaysInsideItsTarget()
{
    QImage canvas(200, 120, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    const QRect target(30, 20, 140, 62);
    {
        QPainter painter(&canvas);
        Picture::of(Kind::StartupScreen).paint(painter, target);
        Picture::of(Kind::Empty).paint(painter, canvas.rect());
    }
    const QRgb clear = qRgba(0, 0, 0, 0);
    QVERIFY(allOf(canvas, QRect(0, 0, 200, target.top()), clear));
    QVERIFY(allOf(canvas, QRect(0, target.bottom() + 1, 200, 120 - target.bottom() - 1), clear));
    QVERIFY(allOf(canvas, QRect(0, 0, target.left(), 120), clear));
    QVERIFY(allOf(canvas, QRect(target.right() + 1, 0, 200 - target.right() - 1, 120), clear));
    // The start-up picture is white from edge to edge.
    QCOMPARE(canvas.pixel(target.topLeft()), qRgb(255, 255, 255));
    QCOMPARE(canvas.pixel(target.bottomRight()), qRgb(255, 255, 255));
}

void TestPictures::aboutTextLeavesTheOverlaysClear()
{
    const QImage about = rendered(Picture::of(Kind::AboutText));
    const QRgb black = qRgb(0, 0, 0);
    QVERIFY2(allOf(about, QRect(0, 0, 90, 125), black), "under the portrait");
    QVERIFY2(allOf(about, QRect(256, 192, 40, 24), black), "under the flag");
    QVERIFY2(allOf(about, QRect(0, 225, 90, 6), black), "above the Ok button");
}

void TestPictures::helpTopicsFitTheirPictures_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sample");
    QTest::newRow("how to play") << Kind::HowToPlayText << "How to play"
                                 << "click on \"deal\" button.If you manage";
    QTest::newRow("stats") << Kind::StatsText << "Stats"
                           << "\"Current game\" is record over the current game.";
    QTest::newRow("keyboard") << Kind::KeyboardText << "Keyboard"
                              << "CTRL+F4\tterminates the program.";
    QTest::newRow("author") << Kind::AuthorText << "The author" << "The Quintdraw project";
}

void TestPictures::helpTopicsFitTheirPictures()
{
    QFETCH(Kind, kind);
    QFETCH(QString, title);
    QFETCH(QString, sample);
    QVERIFY(helpTopicLines(kind).join(QLatin1Char('\n')).contains(sample));
    QCOMPARE(Picture::of(kind).accessibleName(), title);

    // Black text on white that does not run into the edges.
    const QImage page = rendered(Picture::of(kind));
    const QRgb white = qRgb(255, 255, 255);
    QVERIFY(allOf(page, QRect(0, page.height() - 3, page.width(), 3), white));
    QVERIFY(allOf(page, QRect(page.width() - 3, 0, 3, page.height()), white));
    QVERIFY(!allOf(page, page.rect(), white));
}

void TestPictures::namesForScreenReaders()
{
    QCOMPARE(Picture::card({12, Hearts}).accessibleName(), QStringLiteral("Queen of hearts"));
    QCOMPARE(Picture::of(Kind::CardBack).accessibleName(), QStringLiteral("card back"));
    QVERIFY(helpTopicLines(Kind::CardBack).isEmpty());
    QCOMPARE(helpTopicLines(Kind::KeyboardText).size(), 6);
    QCOMPARE(helpTopicLines(Kind::HowToPlayText).size(), 1);
}

void TestPictures::windowIconHasDesktopSizes()
{
    const QList<QSize> sizes = Picture::windowIcon().availableSizes();
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
