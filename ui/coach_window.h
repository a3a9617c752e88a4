#pragma once

#include "core/card.h"
#include "core/hold.h"
#include "ui/coach_placement.h"

#include <QStringList>
#include <QWidget>
#include <array>

class PictureBox;
class QCheckBox;
class QGraphicsOpacityEffect;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class QTabWidget;

// Marks a page of the coach's window (a widget of its pages, named): a screen reader names it
// when the focus enters it.
inline constexpr char kCoachPageProperty[] = "quintdrawCoachPage";

// What the coach says about one hand, in words already written.
struct CoachHandTexts {
    QString yourHold;
    QString bestHold;
    QString verdict;
    QString reason;
    QString handsPlayed;
    QString playedBest;
    QString worthKept;
};

// The coach: a window beside the main one that tells, once a hand is over, what each choice was
// worth and why, shows the strategy chart of the table and the session's mistakes. It never
// takes the focus by itself; F6 moves between it and the game, Escape closes it. It shows texts
// and pictures only; it never sees the rules' objects.
class CoachWindow : public QWidget {
    Q_OBJECT
public:
    explicit CoachWindow(QWidget *parent = nullptr);

    // The last hand: its cards, the hold drawn to, the best hold (marked on its cards).
    void showHand(const Hand &dealt, Hold hold, Hold best, const CoachHandTexts &texts);
    // A new hand is on the table: the last one is greyed and headed as the hand before it.
    void showNextHandDealt();
    void showChart(const QString &text);
    void showMistakes(const QStringList &mistakes);
    void showMistakeAnalysis(const QString &text);
    void showCoached(bool coached);

    bool warnsBeforeDraw() const;
    // The sizes of the window's two layouts, without the window system's frame. Given less than
    // the full layout needs, the window shows the last verdict on top and scrolls the rest.
    CoachSizes layoutSizes() const;
    // The player came here by F6: in the compact layout, the pages' tabs scroll into view.
    void bringPagesIntoView();
    QTabWidget *pages() const { return m_pages; }
    // Names a page for a screen reader, which reads the name as the focus enters the page.
    static void markAsPage(QWidget *page, const QString &name);
    // A page of the coach's training, after the others, scrolled inside.
    void addPage(QWidget *page, const QString &title);

signals:
    void switchToGame();
    void mistakeChosen(int index);
    // The player closed the window (Esc, Alt+F4, the window system).
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Tells the Mistakes list's entry on entering it, and a text's last line on Ctrl+End.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *lastHandPage();
    QLabel *addLine(QWidget *page, const char *name);
    // Tells a screen reader the page chosen, where the focus does not go with it.
    void tellPage(int index);

    std::array<PictureBox *, kPositions> m_cards{};
    std::array<QLabel *, kPositions> m_kept{};
    QLabel *m_summary = nullptr;
    QScrollArea *m_body = nullptr;
    QLabel *m_heading = nullptr;
    QLabel *m_yourHold = nullptr;
    QLabel *m_bestHold = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_reason = nullptr;
    QLabel *m_handsPlayed = nullptr;
    QLabel *m_playedBest = nullptr;
    QLabel *m_worthKept = nullptr;
    QGraphicsOpacityEffect *m_stale = nullptr;
    QCheckBox *m_warn = nullptr;
    QLabel *m_coached = nullptr;
    QTabWidget *m_pages = nullptr;
    QPlainTextEdit *m_chart = nullptr;
    QListWidget *m_mistakes = nullptr;
    QPlainTextEdit *m_mistakeAnalysis = nullptr;
    QRect m_closedAt;   // where the player left it, for when it opens again
    bool m_toldAHand = false;
};
