#include "support/test_game.h"
#include "ui/game_tab.h"
#include "ui/picture_box.h"

#include <QImage>

// At a device pixel ratio of 2 every picture is drawn at the higher resolution, not scaled up.
class HighDpiTest : public QObject {
    Q_OBJECT

    // The share of 2 x 2 pixel blocks that are not one colour: an image scaled up from half its
    // resolution has none.
    static double detail(const QImage &image)
    {
        int mixed = 0, blocks = 0;
        for (int y = 0; y + 1 < image.height(); y += 2)
            for (int x = 0; x + 1 < image.width(); x += 2) {
                const QRgb a = image.pixel(x, y);
                mixed += (a != image.pixel(x + 1, y) || a != image.pixel(x, y + 1) || a != image.pixel(x + 1, y + 1));
                ++blocks;
            }
        return double(mixed) / blocks;
    }

private slots:
    void gameTabIsDrawnAtTheScreensResolution()
    {
        TestGame t;
        t.betWith("AS KH 10D 7C 2H");
        QWidget *tab = t.game.mainWindow().gameTab();
        const QPixmap grab = tab->grab();
        QCOMPARE(grab.devicePixelRatio(), 2.0);
        QCOMPARE(grab.size(), tab->size() * 2);

        for (const char *name : {"Image1(0)", "Image1(4)", "Image8", "Image7", "Image6"}) {
            QWidget *picture = t.find(QString::fromLatin1(name));
            const QRect physical(picture->pos() * 2, picture->size() * 2);
            const QImage region = grab.toImage().copy(physical);
            QVERIFY2(detail(region) > 0.05, name);
        }
        // The card at position 1 is the ace of spades, drawn as the picture itself draws it.
        const QImage shown = grab.toImage().copy(QRect(t.find(QStringLiteral("Image1(0)"))->pos() * 2, QSize(186, 108)));
        const QImage expected = Picture::card(card(u"AS")).pixmap(2.0).toImage().convertToFormat(shown.format());
        int different = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                different += qAbs(qGray(shown.pixel(x, y)) - qGray(expected.pixel(x, y))) > 48;
        QVERIFY2(different < shown.width() * shown.height() / 50, qPrintable(QString::number(different)));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_high_dpi.moc"
