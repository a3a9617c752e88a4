#include "support/test_game.h"

#include <QAccessible>

namespace {

QString said(QWidget *control, QAccessible::Text what)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(what) : QStringLiteral("<none>");
}

} // namespace

// A screen reader can follow a round: every card, cover, panel and picture says what it shows.
class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void cardsSayWhatTheyShowAndWhetherTheyGo()
    {
        TestGame t;
        QWidget *face2 = t.find(QStringLiteral("Image1(1)"));
        QCOMPARE(said(face2, QAccessible::Name), QStringLiteral("card back"));
        QCOMPARE(said(face2, QAccessible::Description), QStringLiteral("no card dealt"));

        t.betWith("2D QH 9C JS KD");
        QCOMPARE(said(face2, QAccessible::Name), QStringLiteral("Queen of hearts"));
        QCOMPARE(said(face2, QAccessible::Description), QStringLiteral("face up"));
        t.clickFace(2);
        QCOMPARE(said(face2, QAccessible::Description), QStringLiteral("face down, will be exchanged"));
        QCOMPARE(said(t.find(QStringLiteral("Image2(1)")), QAccessible::Name), QStringLiteral("card back"));
    }

    void everyPictureAndPanelHasAName()
    {
        TestGame t;
        const QStringList names = {"Image8", "Image7", "Image6", "Image1(5)", "SSPanel4(0)", "SSPanel6(8)",
                                   "SSPanel12", "SSPanel1", "Image4", "Image2(7)", "Label7", "List1", "Text1"};
        for (const QString &name : names)
            QVERIFY2(!said(t.find(name), QAccessible::Name).isEmpty(), qPrintable(name));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
