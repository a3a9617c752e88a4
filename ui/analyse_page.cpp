#include "ui/analyse_page.h"

#include "core/best_play.h"
#include "core/hand_text.h"
#include "core/hold_analysis.h"
#include "ui/coach_texts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStringList>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSuits = 4;

int pickerIndex(Card card)
{
    return (card.rank - kLowestRank) * kSuits + card.suit;
}

QString lineText(const StrategyChart &chart, const Hand &dealt, unsigned hold)
{
    const int line = chartLineOf(chart, dealt, Hold(hold));
    return line ? QStringLiteral("line %1, %2").arg(line).arg(chart.lines()[line - 1].text)
                : QStringLiteral("on no line of the chart");
}

} // namespace

AnalysePage::AnalysePage(std::function<const StrategyChart &()> chart, QWidget *parent)
    : QWidget(parent), m_chart(std::move(chart))
{
    // Inside a scroll area, so that the page never makes the coach's window wish for more room.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *area = new QScrollArea(this);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget;
    area->setWidget(content);
    outer->addWidget(area);
    auto *layout = new QVBoxLayout(content);
    auto *prompt = new QLabel(QStringLiteral("&Five cards (e.g. JH JS 2C 7D 9S, or pick them below):"), this);
    m_cards = new QLineEdit(this);
    m_cards->setObjectName(QStringLiteral("AnalyseCards"));
    m_cards->setPlaceholderText(QStringLiteral("JH JS 2C 7D 9S"));
    prompt->setBuddy(m_cards);
    layout->addWidget(prompt);
    layout->addWidget(m_cards);

    // The picker is for the mouse: the keys type the cards instead, so it takes no focus.
    auto *picker = new QWidget(this);
    auto *grid = new QGridLayout(picker);
    grid->setSpacing(2);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int suit = 0; suit < kSuits; ++suit) {
        for (int rank = kLowestRank; rank <= kAce; ++rank) {
            const Card card{rank, suit};
            auto *button = new QToolButton(picker);
            button->setObjectName(QStringLiteral("AnalysePick") + cardLetters(card));
            button->setText(cardText(card));
            button->setAccessibleName(cardName(card));
            button->setCheckable(true);
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QToolButton::clicked, this, [this, card] { pick(card); });
            grid->addWidget(button, suit, rank - kLowestRank);
            m_pickers[pickerIndex(card)] = button;
        }
    }
    layout->addWidget(picker);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("AnalyseMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(m_message);

    m_holds = new QTableWidget(0, 4, this);
    m_holds->setObjectName(QStringLiteral("AnalyseHolds"));
    m_holds->setAccessibleName(QStringLiteral("Every hold, best first"));
    m_holds->setHorizontalHeaderLabels({QStringLiteral("Keep"), QStringLiteral("Worth per stake, exactly"),
                                        QStringLiteral("Worth"), QStringLiteral("Chart line")});
    m_holds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_holds->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_holds->setSelectionMode(QAbstractItemView::SingleSelection);
    m_holds->setTabKeyNavigation(false);
    m_holds->setWordWrap(false);
    m_holds->verticalHeader()->setVisible(false);
    m_holds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_holds->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_holds, 1);

    connect(m_cards, &QLineEdit::textChanged, this, &AnalysePage::analyse);
    analyse();
}

void AnalysePage::analyse()
{
    const ParsedHand parsed = parseHand(m_cards->text());
    m_holds->setRowCount(0);
    if (!parsed.ok()) {
        // Picking goes on while fewer than five cards are typed.
        markPicked(parsed.hand, 0);
        for (const QString &word : cardWords(m_cards->text())) {
            if (const std::optional<Card> card = parseCard(word))
                m_pickers[pickerIndex(*card)]->setChecked(true);
        }
        m_message->setText(m_cards->text().trimmed().isEmpty() ? QString() : parsed.error);
        return;
    }
    markPicked(parsed.hand, kPositions);

    const StrategyChart &chart = m_chart();
    const Hand &dealt = parsed.hand;
    const HandAnalysis analysis = analyseHand(dealt, chart.rules());
    const unsigned charted = chart.lineFor(dealt).hold;
    m_message->setText(QStringLiteral("The chart keeps %1 — %2%3.")
                           .arg(holdText(dealt, Hold(charted)), lineText(chart, dealt, charted),
                                analysis.isBest(charted) ? QStringLiteral(", a best hold")
                                                         : QStringLiteral(", but the exact count finds a better one")));
    QFont bold = m_holds->font();
    bold.setBold(true);
    for (unsigned hold : holdsBestFirst(analysis)) {
        const HoldValue &value = analysis.holds[hold];
        const Fraction worth = worthPerStake(value, chart.rules().stake);
        const QString decimal = QString::number(double(worth.numerator) / double(worth.denominator), 'f', 6);
        const QStringList cells{holdText(dealt, Hold(hold)), QString::fromStdString(worth.text()), decimal,
                                lineText(chart, dealt, hold) + (hold == charted ? QStringLiteral(" (the chart's hold)") : QString())};
        // A screen reader reads the whole row on any of its cells.
        const QString spoken = QStringLiteral("Keep %1: worth %2, exactly %3 per stake; %4")
                                   .arg(cells[0], cells[2], cells[1], cells[3]);
        const int row = m_holds->rowCount();
        m_holds->insertRow(row);
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setData(Qt::AccessibleTextRole, spoken);
            if (hold == charted)
                item->setFont(bold);
            if (column == 1 || column == 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_holds->setItem(row, column, item);
        }
    }
    m_holds->setCurrentCell(0, 0);
}

void AnalysePage::pick(Card card)
{
    QStringList words = cardWords(m_cards->text());
    const qsizetype before = words.size();
    words.removeIf([&](const QString &word) { return parseCard(word) == card; });
    if (words.size() == before && words.size() < kPositions)
        words.append(cardLetters(card));
    m_cards->setText(words.join(QLatin1Char(' ')));
}

void AnalysePage::markPicked(const Hand &hand, int cards)
{
    for (QToolButton *button : m_pickers)
        button->setChecked(false);
    for (int i = 0; i < cards; ++i)
        m_pickers[pickerIndex(hand[i])]->setChecked(true);
}
