#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;

// The "Hi-score" tab: one line per rank, and the "Reset list" button inside its warning border.
class HiScoreTab : public QWidget {
    Q_OBJECT
public:
    explicit HiScoreTab(QWidget *parent);

    // Empties the list and adds the lines, rank 1 first.
    void showLines(const QStringList &lines);

signals:
    void resetPressed();

protected:
    // Tells a screen reader the current entry as the list takes the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list;
};
