#include "ui/coach_window.h"

#include "ui/coach_texts.h"
#include "ui/picture_box.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A line a screen reader reads when the player tabs to it.
QLabel *readableLine(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return label;
}

QPlainTextEdit *readOnlyText(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *text = new QPlainTextEdit(parent);
    text->setObjectName(QLatin1String(name));
    text->setAccessibleName(accessibleName);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return text;
}

QScrollArea *scrolled(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

CoachWindow::CoachWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Coach"));
    setWindowTitle(QStringLiteral("Coach"));
    // The player's keys stay with the game until the player comes here.
    setAttribute(Qt::WA_ShowWithoutActivating);

    // The verdict above everything else, shown only in the compact layout; all the rest scrolls
    // when the window is given less than the full layout needs.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_summary = readableLine(this, "CoachSummary");
    m_summary->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), style()->pixelMetric(QStyle::PM_LayoutTopMargin),
                                  style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    m_summary->setText(coachSpeaksLaterText());
    // Two lines at most, whatever the width, so that the compact window never outgrows its room.
    m_summary->setMaximumHeight(m_summary->contentsMargins().top() + fontMetrics().lineSpacing() * 2);
    m_summary->hide();
    layout->addWidget(m_summary);
    auto *body = new QWidget;
    m_body = scrolled(body);
    layout->addWidget(m_body);

    layout = new QVBoxLayout(body);
    auto *keys = readableLine(this, "CoachKeys");
    keys->setText(coachKeysText());
    layout->addWidget(keys);
    // What the warning costs on a line of its own, which wraps: the coach fits narrow rooms.
    m_warn = new QCheckBox(QStringLiteral("&Warn me before the draw"), this);
    m_warn->setObjectName(QStringLiteral("CoachWarn"));
    const QString warnCost = QStringLiteral("A game warned at any draw does not enter the hi-score list.");
    m_warn->setAccessibleDescription(warnCost);
    layout->addWidget(m_warn);
    auto *cost = readableLine(this, "CoachWarnCost");
    cost->setText(warnCost);
    layout->addWidget(cost);
    m_coached = readableLine(this, "CoachCoached");
    layout->addWidget(m_coached);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("CoachPages"));
    m_pages->addTab(scrolled(lastHandPage()), QStringLiteral("&Last hand"));
    m_chart = readOnlyText(this, "CoachChart", QStringLiteral("Strategy chart"));
    m_chart->setPlainText(chartBeingWrittenText());
    m_pages->addTab(m_chart, QStringLiteral("&Strategy"));
    auto *mistakes = new QWidget;
    auto *mistakesLayout = new QVBoxLayout(mistakes);
    m_mistakes = new QListWidget(mistakes);
    m_mistakes->setObjectName(QStringLiteral("CoachMistakes"));
    m_mistakes->setAccessibleName(QStringLiteral("Hands that gave up expected win, largest first"));
    m_mistakes->setWordWrap(true);   // every amount whole, however long the line
    m_mistakeAnalysis = readOnlyText(mistakes, "CoachMistakeAnalysis", QStringLiteral("Every hold of the chosen hand, best first"));
    mistakesLayout->addWidget(m_mistakes);
    mistakesLayout->addWidget(m_mistakeAnalysis);
    connect(m_mistakes, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit mistakeChosen(row);
    });
    m_pages->addTab(mistakes, QStringLiteral("&Mistakes"));
    layout->addWidget(m_pages);

    auto *toGame = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(toGame, &QShortcut::activated, this, &CoachWindow::switchToGame);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

QWidget *CoachWindow::lastHandPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_heading = readableLine(page, "CoachHeading");
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setText(lastHandHeading());
    layout->addWidget(m_heading);

    auto *hand = new QWidget(page);
    auto *cards = new QGridLayout(hand);
    cards->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kPositions; ++i) {
        m_cards[i] = new PictureBox(hand);
        m_cards[i]->setFixedSize(Picture::card(Card{}).size());
        m_cards[i]->setObjectName(QStringLiteral("CoachCard%1").arg(i + 1));
        m_kept[i] = new QLabel(hand);
        m_kept[i]->setObjectName(QStringLiteral("CoachKept%1").arg(i + 1));
        m_kept[i]->setAlignment(Qt::AlignHCenter);
        cards->addWidget(m_cards[i], 0, i, Qt::AlignHCenter);
        cards->addWidget(m_kept[i], 1, i);
    }
    layout->addWidget(hand);
    m_yourHold = addLine(page, "CoachYourHold");
    m_bestHold = addLine(page, "CoachBestHold");
    m_verdict = addLine(page, "CoachVerdict");
    m_reason = addLine(page, "CoachReason");
    m_handsPlayed = addLine(page, "CoachHandsPlayed");
    m_playedBest = addLine(page, "CoachPlayedBest");
    m_worthKept = addLine(page, "CoachWorthKept");
    layout->addStretch();
    m_yourHold->setText(coachSpeaksLaterText());
    m_stale = new QGraphicsOpacityEffect(page);
    m_stale->setOpacity(0.4);
    m_stale->setEnabled(false);
    page->setGraphicsEffect(m_stale);
    return page;
}

QLabel *CoachWindow::addLine(QWidget *page, const char *name)
{
    QLabel *label = readableLine(page, name);
    page->layout()->addWidget(label);
    return label;
}

void CoachWindow::showHand(const Hand &dealt, Hold hold, Hold best, const CoachHandTexts &texts)
{
    m_toldAHand = true;
    m_stale->setEnabled(false);
    m_summary->setEnabled(true);
    m_summary->setText(texts.verdict + u'\n' + texts.bestHold);
    m_summary->setAccessibleName(m_summary->text());
    m_heading->setText(lastHandToldHeading());
    for (int i = 0; i < kPositions; ++i) {
        const bool kept = hold.keeps(i + 1);
        const bool inBest = best.keeps(i + 1);
        m_cards[i]->setPicture(inBest ? Picture::bestCard(dealt[i]) : Picture::card(dealt[i]));
        const QString state = cardStateText(kept, inBest);
        m_cards[i]->setStateDescription(state);
        m_kept[i]->setText(keptMarkText(kept));
        m_kept[i]->setAccessibleName(cardName(dealt[i]) + QStringLiteral(", ") + state);
    }
    m_yourHold->setText(texts.yourHold);
    m_bestHold->setText(texts.bestHold);
    m_verdict->setText(texts.verdict);
    m_reason->setText(texts.reason);
    m_handsPlayed->setText(texts.handsPlayed);
    m_playedBest->setText(texts.playedBest);
    m_worthKept->setText(texts.worthKept);
    for (QLabel *line : {m_heading, m_yourHold, m_bestHold, m_verdict, m_reason, m_handsPlayed, m_playedBest, m_worthKept})
        line->setAccessibleName(line->text());
}

void CoachWindow::showNextHandDealt()
{
    if (!m_toldAHand)
        return;
    m_stale->setEnabled(true);
    m_summary->setEnabled(false);
    m_heading->setText(lastHandStaleHeading());
    m_heading->setAccessibleName(m_heading->text());
}

void CoachWindow::showChart(const QString &text)
{
    m_chart->setPlainText(text);
}

void CoachWindow::showMistakes(const QStringList &mistakes)
{
    m_mistakes->clear();
    m_mistakes->addItems(mistakes);
    m_mistakeAnalysis->setPlainText(mistakesHintText(!mistakes.isEmpty()));
}

void CoachWindow::showMistakeAnalysis(const QString &text)
{
    m_mistakeAnalysis->setPlainText(text);
}

void CoachWindow::showCoached(bool coached)
{
    // The line keeps its place either way, so that the pages below do not move.
    m_coached->setText(coachedText(coached));
    m_coached->setAccessibleName(m_coached->text());
}

bool CoachWindow::warnsBeforeDraw() const
{
    return m_warn->isChecked();
}

void CoachWindow::addPage(QWidget *page, const QString &title)
{
    // Scrolling inside, so that no page makes the coach wider or taller than the room it is given.
    m_pages->addTab(scrolled(page), title);
}

CoachSizes CoachWindow::layoutSizes() const
{
    const QWidget *body = m_body->widget();
    // A scroll area wishes for a few lines only; the last hand's page wishes for its whole width.
    QSize full = body->sizeHint();
    if (const auto *lastHand = qobject_cast<const QScrollArea *>(m_pages->widget(0))) {
        full.rwidth() += qMax(0, lastHand->widget()->sizeHint().width() + lastHand->verticalScrollBar()->sizeHint().width()
                                     - lastHand->sizeHint().width());
    }
    // The compact layout: the verdict's two lines and a few lines of the rest, some words wide.
    const QFontMetrics metrics = fontMetrics();
    const QSize compact(metrics.averageCharWidth() * 48,
                        m_summary->maximumHeight() + qMax(metrics.lineSpacing() * 4, m_body->minimumSizeHint().height()));
    return {full, body->minimumSizeHint(), compact};
}

void CoachWindow::bringPagesIntoView()
{
    if (m_summary->isVisible())
        m_body->verticalScrollBar()->setValue(m_pages->y());
}

void CoachWindow::resizeEvent(QResizeEvent *event)
{
    const QSize least = m_body->widget()->minimumSizeHint();
    m_summary->setVisible(width() < least.width() || height() < least.height());
    QWidget::resizeEvent(event);
}

void CoachWindow::closeEvent(QCloseEvent *event)
{
    m_closedAt = frameGeometry();
    QWidget::closeEvent(event);
    emit closed();
}

void CoachWindow::showEvent(QShowEvent *event)
{
    // Opened again: where the player left it.
    if (m_closedAt.isValid() && !event->spontaneous())
        move(m_closedAt.topLeft());
    QWidget::showEvent(event);
}
