#include "support/test_game.h"

void TestGame::clickFace(int position) const
{
    QTest::mouseClick(find(member("Image1", position - 1)), Qt::LeftButton, {}, QPoint(10, 10));
}

void TestGame::clickCover(int position) const
{
    QTest::mouseClick(find(member("Image2", position - 1)), Qt::LeftButton, {}, QPoint(10, 10));
}
