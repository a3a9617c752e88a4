#include "ui/tab_control.h"

#include <QPainter>
#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace {

// Tabs of equal width in one row, filling the control, as tab controls of this kind look.
class EvenTabBar : public QTabBar {
public:
    EvenTabBar(int rowHeight, QWidget *parent) : QTabBar(parent), m_rowHeight(rowHeight)
    {
        setExpanding(true);
        setUsesScrollButtons(false);
        setDrawBase(false);
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        const int tabs = qMax(1, count());
        const int width = parentWidget() ? parentWidget()->width() : 0;
        const int extra = index < width % tabs ? 1 : 0;
        return {width / tabs + extra, m_rowHeight};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    // The captions are centred without the style's margins, so that "Hi-score" and "Settings"
    // fit whole in a sixth of the row. With the focus, the current caption has the focus mark
    // that the buttons show.
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            QStyleOptionTab tab;
            initStyleOption(&tab, i);
            painter.drawControl(QStyle::CE_TabBarTabShape, tab);
            const int lift = i == currentIndex() ? 0 : 2;
            const QRect caption = tab.rect.adjusted(0, lift, 0, 0);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(caption, Qt::AlignCenter, tabText(i));
            if (i == currentIndex() && hasFocus()) {
                QStyleOptionFocusRect mark;
                mark.initFrom(this);
                mark.state |= QStyle::State_KeyboardFocusChange;
                const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &tab, this) + 1;
                mark.rect = fontMetrics().boundingRect(caption, Qt::AlignCenter, tabText(i))
                                .adjusted(-margin, -1, margin, 1);
                painter.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
            }
        }
    }

private:
    int m_rowHeight;
};

} // namespace

TabControl::TabControl(int rowHeight, QWidget *parent)
    : QWidget(parent), m_tabBar(new EvenTabBar(rowHeight, this)), m_rowHeight(rowHeight)
{
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
}

void TabControl::addPage(QWidget *page, const QString &caption)
{
    page->setParent(this);
    page->setGeometry(rect());
    m_pages.append(page);
    m_tabBar->addTab(caption);
    showPage(m_tabBar->currentIndex());
}

void TabControl::finishPages()
{
    for (QWidget *page : std::as_const(m_pages)) {
        QRegion region(0, m_rowHeight, page->width(), page->height() - m_rowHeight);
        for (QObject *child : page->children()) {
            auto *control = qobject_cast<QWidget *>(child);
            if (control && !control->isWindow() && !control->isHidden() && control->y() < m_rowHeight)
                region += control->geometry();
        }
        page->setMask(region);
        page->raise();
    }
}

int TabControl::currentIndex() const
{
    return m_tabBar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_tabBar->setCurrentIndex(index);
}

// The keys of any tab widget: Ctrl+Tab and Ctrl+Page Down go to the next tab, Ctrl+Shift+Tab and
// Ctrl+Page Up to the previous one, round the six; they come here from the focused control.
void TabControl::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Tab:
            step = event->modifiers() & Qt::ShiftModifier ? -1 : 1;
            break;
        case Qt::Key_PageDown:
            step = 1;
            break;
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
            step = -1;
            break;
        default:
            break;
        }
    }
    if (step == 0 || m_pages.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int pages = int(m_pages.size());
    setCurrentIndex((currentIndex() + step + pages) % pages);
    // Had the focus nowhere to go from the hidden page, it stays in the tab control.
    if (!QApplication::focusWidget())
        m_tabBar->setFocus(Qt::TabFocusReason);
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    m_tabBar->setGeometry(0, 0, event->size().width(), m_rowHeight);
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent *)
{
    // The pages are transparent: this frame below the caption row is their background. The
    // control reaches a pixel below the window's client area; the frame's border stays visible.
    QPainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    QRect shown = rect();
    if (parentWidget())
        shown &= parentWidget()->rect().translated(-pos());
    option.rect = shown.adjusted(0, m_rowHeight - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}

void TabControl::showPage(int index)
{
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
}
