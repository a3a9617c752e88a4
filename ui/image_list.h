#pragma once

#include "ui/picture.h"

#include <QObject>

// The 13 pictures of one suit, numbered 1 to 13 and keyed "i1" to "i13" in rank order:
// picture n is rank n + 1, so picture 1 is the 2 and picture 13 the ace.
class ImageList : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 13;

    ImageList(int suit, QObject *parent);

    // 1 <= number <= 13
    Picture picture(int number) const { return Picture::card(Card{number + 1, m_suit}); }
    // An empty picture for a key that is not "i1" to "i13".
    Picture picture(const QString &key) const;

private:
    int m_suit;
};
