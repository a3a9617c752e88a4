#include "support/card_notation.h"
#include "ui/picture.h"
#include "ui/suit_colours.h"

#include <QtTest>

#include <array>
#include <cmath>

// The four-colour cards are for eyes that need them: every ink readable on the face, the four
// suits apart for normal vision and with each kind of colour blindness, the cards unchanged but
// for the ink, and the two colours of old as before.
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector linearRgb(const QColor &colour)
{
    return {linear(colour.red()), linear(colour.green()), linear(colour.blue())};
}

double luminance(const QColor &colour)
{
    const Vector c = linearRgb(colour);
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

// The contrast ratio of WCAG 2: 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const double one = luminance(a);
    const double other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// Machado, Oliveira and Fernandes (2009), severity 1, on linear sRGB.
const Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix kProtanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
const Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
const Matrix kTritanopia{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

// CIE L*a*b* (D65) of a colour as seen through a simulation matrix.
Vector seenLab(const QColor &colour, const Matrix &vision)
{
    const Vector c = linearRgb(colour);
    Vector rgb{};
    for (int i = 0; i < 3; ++i)
        rgb[i] = std::clamp(vision[i][0] * c[0] + vision[i][1] * c[1] + vision[i][2] * c[2], 0.0, 1.0);
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// CIE76 colour difference; about 2.3 is just noticeable, and symbols read at a glance apart
// from 20 on.
double deltaE(const Vector &a, const Vector &b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

constexpr double kMinContrast = 4.5;
constexpr double kMinDeltaE = 20;

const char *const kSuitNames[] = {"diamonds", "hearts", "clubs", "spades"};

QImage face(Card card, SuitColours colours)
{
    useSuitColours(colours);
    QImage image = Picture::card(card).pixmap(2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    useSuitColours(SuitColours::TwoColour);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Matrix)

class SuitColoursTest : public QObject {
    Q_OBJECT
private slots:
    void everyInkReadableOnTheFace_data()
    {
        QTest::addColumn<int>("suit");
        for (int suit = Diamonds; suit <= Spades; ++suit)
            QTest::newRow(kSuitNames[suit]) << suit;
    }

    void everyInkReadableOnTheFace()
    {
        QFETCH(int, suit);
        const double ratio = contrast(suitInk(SuitColours::FourColour, suit), kCardFaceColour);
        QVERIFY2(ratio >= kMinContrast, qPrintable(QString::number(ratio)));
    }

    void suitsApartForEveryVision_data()
    {
        QTest::addColumn<Matrix>("vision");
        QTest::addColumn<int>("one");
        QTest::addColumn<int>("other");
        const std::pair<const char *, Matrix> visions[] = {
            {"normal", kNormal}, {"protanopia", kProtanopia}, {"deuteranopia", kDeuteranopia}, {"tritanopia", kTritanopia}};
        for (const auto &[name, vision] : visions) {
            for (int one = Diamonds; one <= Spades; ++one) {
                for (int other = one + 1; other <= Spades; ++other)
                    QTest::addRow("%s: %s, %s", name, kSuitNames[one], kSuitNames[other]) << vision << one << other;
            }
        }
    }

    void suitsApartForEveryVision()
    {
        QFETCH(Matrix, vision);
        QFETCH(int, one);
        QFETCH(int, other);
        const double distance = deltaE(seenLab(suitInk(SuitColours::FourColour, one), vision),
                                       seenLab(suitInk(SuitColours::FourColour, other), vision));
        QVERIFY2(distance >= kMinDeltaE, qPrintable(QString::number(distance)));
    }

    // In four colours a card differs from its two-colour picture only where its ink is, and
    // there it has the suit's new colour: the rank and the suit symbol keep their shapes.
    // Without the option the picture is the same as before, and so is the ink.
    void onlyTheInkChanges_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QColor>("twoColourInk");
        QTest::addColumn<QColor>("fourColourInk");
        QTest::newRow("court diamond") << "QD" << QColor(204, 16, 32) << QColor(0, 60, 180);
        QTest::newRow("ace of hearts") << "AH" << QColor(204, 16, 32) << QColor(204, 16, 32);
        QTest::newRow("ten of clubs") << "10C" << QColor(22, 22, 26) << QColor(0, 125, 96);
        QTest::newRow("two of spades") << "2S" << QColor(22, 22, 26) << QColor(22, 22, 26);
    }

    void onlyTheInkChanges()
    {
        QFETCH(QString, card);
        QFETCH(QColor, twoColourInk);
        QFETCH(QColor, fourColourInk);
        const Card drawn = ::card(card);
        const QImage plain = Picture::card(drawn).pixmap(2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(face(drawn, SuitColours::TwoColour), plain);
        const QImage four = face(drawn, SuitColours::FourColour);
        int inked = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) == four.pixel(x, y))
                    continue;
                // Only pixels wholly of the ink are compared; the edges of shapes blend.
                if (plain.pixel(x, y) == twoColourInk.rgb()) {
                    QCOMPARE(QColor(four.pixel(x, y)), fourColourInk);
                    ++inked;
                } else {
                    QVERIFY2(QColor(plain.pixel(x, y)) != Qt::white, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                }
            }
        }
        QCOMPARE(inked > 0, twoColourInk != fourColourInk);
        QCOMPARE(suitInk(SuitColours::TwoColour, drawn.suit), twoColourInk);
    }
};

QTEST_MAIN(SuitColoursTest)
#include "test_suit_colours.moc"
