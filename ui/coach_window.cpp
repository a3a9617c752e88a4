#include "ui/coach_window.h"

#include "ui/picture_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

namespace {

QString credits(double value)
{
    return QString::number(value, 'f', 2);
}

QString percent(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

} // namespace

QString holdText(const Hand &dealt, unsigned hold)
{
    static const char suits[] = "DHCS";
    QStringList cards;
    for (int i = 0; i < kPositions; ++i) {
        if (hold & (1U << i))
            cards.append(rankText(dealt[i].rank) + QLatin1Char(suits[dealt[i].suit]));
    }
    return cards.isEmpty() ? QStringLiteral("nothing") : cards.join(u' ');
}

CoachWindow::CoachWindow(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Coach"));
    setWindowTitle(QStringLiteral("Coach"));
    // The player's keys stay with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *cards = new QGridLayout;
    for (int i = 0; i < kPositions; ++i) {
        m_cards[i] = new PictureBox(this);
        m_cards[i]->setFixedSize(Picture::card(Card{}).size());
        m_cards[i]->setObjectName(QStringLiteral("CoachCard%1").arg(i + 1));
        m_kept[i] = new QLabel(this);
        m_kept[i]->setObjectName(QStringLiteral("CoachKept%1").arg(i + 1));
        m_kept[i]->setAlignment(Qt::AlignHCenter);
        cards->addWidget(m_cards[i], 0, i, Qt::AlignHCenter);
        cards->addWidget(m_kept[i], 1, i);
    }
    layout->addLayout(cards);
    m_yourHold = addLine("CoachYourHold");
    m_bestHold = addLine("CoachBestHold");
    m_verdict = addLine("CoachVerdict");
    m_handsPlayed = addLine("CoachHandsPlayed");
    m_playedBest = addLine("CoachPlayedBest");
    m_worthKept = addLine("CoachWorthKept");
    m_yourHold->setText(QStringLiteral("The coach speaks after each draw."));
}

QLabel *CoachWindow::addLine(const char *name)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    layout()->addWidget(label);
    return label;
}

void CoachWindow::showHand(const Hand &dealt, unsigned hold, const HandAnalysis &analysis,
                           const CoachSession &session)
{
    for (int i = 0; i < kPositions; ++i) {
        const bool kept = hold & (1U << i);
        m_cards[i]->setPicture(Picture::card(dealt[i]));
        m_cards[i]->setStateDescription(kept ? QStringLiteral("kept") : QStringLiteral("exchanged"));
        m_kept[i]->setText(kept ? QStringLiteral("kept") : QString());
        m_kept[i]->setAccessibleName(cardName(dealt[i]) + (kept ? QStringLiteral(", kept") : QStringLiteral(", exchanged")));
    }

    m_yourHold->setText(QStringLiteral("Your hold: %1, %2 credits on average")
                            .arg(holdText(dealt, hold), credits(analysis.holds[hold].expectedWin())));
    QStringList best;
    for (unsigned top : analysis.bestHolds)
        best.append(holdText(dealt, top));
    m_bestHold->setText(QStringLiteral("Best hold: %1, %2 credits on average")
                            .arg(best.join(QStringLiteral(" or ")), credits(analysis.best().expectedWin())));
    m_verdict->setText(analysis.isBest(hold)
                           ? QStringLiteral("Best play")
                           : QStringLiteral("Gave up %1 credits on average").arg(credits(analysis.gaveUp(hold))));
    m_handsPlayed->setText(QStringLiteral("Hands played: %1").arg(session.handsPlayed()));
    m_playedBest->setText(QStringLiteral("Played best: %1").arg(percent(session.shareBest())));
    m_worthKept->setText(QStringLiteral("Expected win kept: %1 of the best").arg(percent(session.worthKept())));

    for (QLabel *line : {m_yourHold, m_bestHold, m_verdict, m_handsPlayed, m_playedBest, m_worthKept})
        line->setAccessibleName(line->text());
}
