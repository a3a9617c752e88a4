#include "ui/hiscore_tab.h"

#include "ui/bus_events.h"
#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/picture_box.h"
#include "ui/spoken_texts.h"

#include <QAccessible>
#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace {

// Draws a line with its TABs at fixed stops, eight average characters apart, as a classic list
// box does with its default tab stops.
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        item.widget->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setTabStopDistance(8.0 * QFontMetricsF(item.font).averageCharWidth());
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        painter->drawText(QRectF(item.rect).adjusted(2, 0, -2, 0), text, layout);
        painter->restore();
    }
};

} // namespace

HiScoreTab::HiScoreTab(QWidget *parent) : QWidget(parent)
{
    m_list = named(new QListWidget(this), QStringLiteral("List1"));
    placeTwips(m_list, 960, 840, 3495, 4860);
    m_list->setFont(arial(9.75));
    m_list->setItemDelegate(new TabStopDelegate(m_list));
    m_list->setAccessibleName(tr("Hi-scores"));
    QPalette grey = m_list->palette();
    grey.setColor(QPalette::Base, kLightGrey);
    m_list->setPalette(grey);

    // The stripes lie below the button and frame it like a warning border.
    auto *stripes = named(new PictureBox(this, true), member("Image1", 5));
    placeTwips(stripes, 5040, 5040, 1575, 735);
    stripes->setPicture(Picture::of(Picture::Kind::Stripes));
    auto *reset = named(new QPushButton(QStringLiteral("Reset list"), this), QStringLiteral("SSCommand4"));
    placeTwips(reset, 5160, 5160, 1335, 495);
    reset->setFont(arial(12));
    reset->setAutoDefault(false);
    // The list is reset while the signal is handled; the button, which has the focus, tells so.
    connect(reset, &QPushButton::clicked, this, [this, reset] {
        emit resetPressed();
        sendDescriptionChanged(reset, spoken::hiScoresReset());
    });
    m_list->installEventFilter(this);
}

bool HiScoreTab::eventFilter(QObject *watched, QEvent *event)
{
    // The list names its current entry once the focus is in (a Tab makes the first one current),
    // for a screen reader announces a list's focus without it.
    if (watched == m_list && event->type() == QEvent::FocusIn) {
        QMetaObject::invokeMethod(this, [this] {
            if (QAccessible::isActive() && m_list->hasFocus() && m_list->currentRow() >= 0) {
                QAccessibleEvent focus(m_list, QAccessible::Focus);
                focus.setChild(m_list->currentRow());
                QAccessible::updateAccessibility(&focus);
            }
        }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void HiScoreTab::showLines(const QStringList &lines)
{
    m_list->clear();
    m_list->addItems(lines);
}
