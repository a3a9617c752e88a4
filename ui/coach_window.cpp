#include "ui/coach_window.h"

#include "ui/accessible_roles.h"
#include "ui/bus_events.h"
#include "ui/coach_texts.h"
#include "ui/picture_box.h"
#include "ui/readable_line.h"
#include "ui/spoken_texts.h"

#include <QApplication>
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
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Shows a line and names it as a screen reader should say it; an empty line is not in the Tab
// order.
void tell(QLabel *line, const QString &text)
{
    line->setText(text);
    const QString said = spokenText(text);
    if (line->accessibleName() != said)
        line->setAccessibleName(said);
    line->setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
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
    installAccessibleRoles();
    setWindowTitle(QStringLiteral("Coach"));
    // The player's keys stay with the game until the player comes here.
    setAttribute(Qt::WA_ShowWithoutActivating);

    // The verdict above everything else, shown only in the compact layout; all the rest scrolls
    // when the window is given less than the full layout needs.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_summary = readableLine(this, "CoachSummary", Qt::NoFocus);
    m_summary->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), style()->pixelMetric(QStyle::PM_LayoutTopMargin),
                                  style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    tell(m_summary, coachSpeaksLaterText());
    // Two lines at most, whatever the width, so that the compact window never outgrows its room.
    m_summary->setMaximumHeight(m_summary->contentsMargins().top() + fontMetrics().lineSpacing() * 2);
    m_summary->hide();
    layout->addWidget(m_summary);
    auto *body = new QWidget;
    m_body = scrolled(body);
    layout->addWidget(m_body);

    layout = new QVBoxLayout(body);
    auto *keys = readableLine(this, "CoachKeys", Qt::NoFocus);
    tell(keys, coachKeysText());
    layout->addWidget(keys);
    // What the warning costs on a line of its own, which wraps: the coach fits narrow rooms.
    m_warn = new QCheckBox(QStringLiteral("&Warn me before the draw"), this);
    m_warn->setObjectName(QStringLiteral("CoachWarn"));
    const QString warnCost = QStringLiteral("A game warned at any draw does not enter the hi-score list.");
    m_warn->setAccessibleDescription(warnCost);
    layout->addWidget(m_warn);
    auto *cost = readableLine(this, "CoachWarnCost", Qt::NoFocus);
    tell(cost, warnCost);
    layout->addWidget(cost);
    m_coached = readableLine(this, "CoachCoached", Qt::NoFocus);
    layout->addWidget(m_coached);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("CoachPages"));
    m_pages->addTab(scrolled(lastHandPage()), QStringLiteral("&Last hand"));
    markAsPage(m_pages->widget(0), QStringLiteral("Last hand"));
    m_chart = readOnlyText(this, "CoachChart", QStringLiteral("Strategy chart"));
    m_chart->setPlainText(chartBeingWrittenText());
    m_pages->addTab(m_chart, QStringLiteral("&Strategy"));
    auto *mistakes = new QWidget;
    mistakes->setObjectName(QStringLiteral("CoachMistakesPage"));
    markAsPage(mistakes, QStringLiteral("Mistakes"));
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
    connect(m_pages, &QTabWidget::currentChanged, this, &CoachWindow::tellPage);
    // Entered by Tab, the list has a current entry but none selected, which a screen reader
    // does not read out: it is told.
    m_mistakes->installEventFilter(this);
    for (QPlainTextEdit *text : {m_chart, m_mistakeAnalysis})
        text->installEventFilter(this);

    auto *toGame = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(toGame, &QShortcut::activated, this, &CoachWindow::switchToGame);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    // The window opens on its one choice rather than on the first line that takes Tab, so that
    // F6 shows the focus where it always did.
    m_warn->setFocus();
}

QWidget *CoachWindow::lastHandPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_heading = readableLine(page, "CoachHeading", Qt::NoFocus);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    tell(m_heading, lastHandHeading());
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
    tell(m_yourHold, coachSpeaksLaterText());
    m_stale = new QGraphicsOpacityEffect(page);
    m_stale->setOpacity(0.4);
    m_stale->setEnabled(false);
    page->setGraphicsEffect(m_stale);
    return page;
}

QLabel *CoachWindow::addLine(QWidget *page, const char *name)
{
    QLabel *label = readableLine(page, name, Qt::NoFocus);
    page->layout()->addWidget(label);
    return label;
}

void CoachWindow::showHand(const Hand &dealt, Hold hold, Hold best, const CoachHandTexts &texts)
{
    m_toldAHand = true;
    m_stale->setEnabled(false);
    m_summary->setEnabled(true);
    tell(m_summary, texts.verdict + u'\n' + texts.bestHold);
    // The window's description: a screen reader tells the advice as the player comes here.
    setAccessibleDescription(m_summary->accessibleName());
    tell(m_heading, lastHandToldHeading());
    for (int i = 0; i < kPositions; ++i) {
        const bool kept = hold.keeps(i + 1);
        const bool inBest = best.keeps(i + 1);
        m_cards[i]->setPicture(inBest ? Picture::bestCard(dealt[i]) : Picture::card(dealt[i]));
        const QString state = cardStateText(kept, inBest);
        m_cards[i]->setStateDescription(state);
        m_kept[i]->setText(keptMarkText(kept));
        m_kept[i]->setAccessibleName(cardName(dealt[i]) + QStringLiteral(", ") + state);
        m_kept[i]->setFocusPolicy(Qt::StrongFocus);
    }
    tell(m_yourHold, texts.yourHold);
    tell(m_bestHold, texts.bestHold);
    tell(m_verdict, texts.verdict);
    tell(m_reason, texts.reason);
    tell(m_handsPlayed, texts.handsPlayed);
    tell(m_playedBest, texts.playedBest);
    tell(m_worthKept, texts.worthKept);
}

void CoachWindow::showNextHandDealt()
{
    if (!m_toldAHand)
        return;
    m_stale->setEnabled(true);
    m_summary->setEnabled(false);
    tell(m_heading, lastHandStaleHeading());
}

void CoachWindow::showChart(const QString &text)
{
    m_chart->setPlainText(text);
}

void CoachWindow::showMistakes(const QStringList &mistakes)
{
    m_mistakes->clear();
    for (const QString &mistake : mistakes) {
        auto *item = new QListWidgetItem(mistake, m_mistakes);
        item->setData(Qt::AccessibleTextRole, spokenText(mistake));
    }
    m_mistakeAnalysis->setPlainText(mistakesHintText(!mistakes.isEmpty()));
}

void CoachWindow::showMistakeAnalysis(const QString &text)
{
    m_mistakeAnalysis->setPlainText(text);
}

void CoachWindow::showCoached(bool coached)
{
    // The line keeps its place either way, so that the pages below do not move.
    tell(m_coached, coachedText(coached));
}

bool CoachWindow::warnsBeforeDraw() const
{
    return m_warn->isChecked();
}

void CoachWindow::addPage(QWidget *page, const QString &title)
{
    // Scrolling inside, so that no page makes the coach wider or taller than the room it is given.
    QScrollArea *area = scrolled(page);
    markAsPage(area, QString(title).remove(u'&'));
    QList<QPlainTextEdit *> texts = page->findChildren<QPlainTextEdit *>();
    if (auto *text = qobject_cast<QPlainTextEdit *>(page))
        texts.append(text);
    for (QPlainTextEdit *text : std::as_const(texts))
        text->installEventFilter(this);   // Ctrl+End tells the last line
    m_pages->addTab(area, title);
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

void CoachWindow::markAsPage(QWidget *page, const QString &name)
{
    page->setProperty(kCoachPageProperty, true);
    page->setAccessibleName(name);
}

void CoachWindow::tellPage(int index)
{
    // The focus moved into the page, whose name is read with it, or stays on the page's tab,
    // which is read itself; elsewhere the page chosen by its access key is told.
    QWidget *focus = QApplication::focusWidget();
    QWidget *page = m_pages->widget(index);
    if (!focus || focus->window() != this || !page || page->isAncestorOf(focus) || focus == page
        || focus == m_pages->tabBar())
        return;
    sendDescriptionChanged(focus, spoken::coachPage(QString(m_pages->tabText(index)).remove(u'&')));
}

bool CoachWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mistakes && event->type() == QEvent::FocusIn) {
        // Qt makes the first entry current as the list takes the focus, after this event.
        QTimer::singleShot(0, m_mistakes, [this] {
            if (m_mistakes->hasFocus() && m_mistakes->currentItem() && m_mistakes->selectedItems().isEmpty())
                sendDescriptionChanged(m_mistakes, spokenText(m_mistakes->currentItem()->text()));
        });
    }
    // Ctrl+End tells the last line. Orca 43 takes the key for End, having lost the Control held
    // by the time it reads the caret's move, and says the letter at the caret: "blank".
    auto *text = qobject_cast<QPlainTextEdit *>(watched);
    if (text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_End && key->modifiers() == Qt::ControlModifier) {
            QTimer::singleShot(0, text, [text] {
                if (text->hasFocus())
                    sendDescriptionChanged(text, text->textCursor().block().text());
            });
        }
    }
    return QWidget::eventFilter(watched, event);
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
