#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

// A tab control whose pages share its own coordinates: a control's place on a page is measured
// from the control's top-left corner, the row of tab captions included, so a control may reach
// up into the caption row without hiding the tabs.
class TabControl : public QWidget {
    Q_OBJECT
public:
    TabControl(int rowHeight, QWidget *parent);

    // Adds a page; the control takes ownership and gives it its own size.
    void addPage(QWidget *page, const QString &caption);
    // Call once every page holds its controls: pages then let clicks on the caption row
    // through, except where one of their controls lies.
    void finishPages();

    QTabBar *tabBar() const { return m_tabBar; }
    int currentIndex() const;
    void setCurrentIndex(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showPage(int index);

    QTabBar *m_tabBar;
    QList<QWidget *> m_pages;
    int m_rowHeight;
};
