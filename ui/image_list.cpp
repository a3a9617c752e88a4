#include "ui/image_list.h"

#include "ui/controls.h"

ImageList::ImageList(int suit, QObject *parent) : QObject(parent), m_suit(suit)
{
    setObjectName(member("ImageList1", suit));
}

Picture ImageList::picture(const QString &key) const
{
    if (!key.startsWith(u'i'))
        return {};
    bool isNumber = false;
    const int number = key.mid(1).toInt(&isNumber);
    return isNumber && number >= 1 && number <= kCount ? picture(number) : Picture();
}
