#include "ui/spoken_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace spoken {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("spoken", text);
}

} // namespace

QString noCardDealt() { return tr("no card dealt"); }
QString faceUp() { return tr("face up"); }
QString faceDown() { return tr("face down, will be exchanged"); }
QString coverOf(int position) { return tr("card %1, face down").arg(position); }

QString faceName(const QString &card, bool exchanged)
{
    return exchanged ? tr("%1, to be exchanged").arg(card) : card;
}

QString marked(const QString &card, bool exchanged)
{
    return exchanged ? tr("%1, to be exchanged").arg(card) : tr("%1, kept").arg(card);
}

QString newGame(qint64 balance, qint64 stake)
{
    return tr("New game. Balance %1, stake %2.").arg(balance).arg(stake);
}

QString table(const QStringList &faces, const QString &handName, qint64 stake, std::optional<qint64> win,
              qint64 balance)
{
    QString said = faces.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (!handName.isEmpty())
        said += QLatin1Char(' ') + handName + QLatin1Char('.');
    else if (win)
        said += QLatin1Char(' ') + tr("This hand pays nothing.");
    said += QLatin1Char(' ') + tr("Bet %1.").arg(stake);
    said += QLatin1Char(' ') + (win ? tr("Won %1, balance %2.").arg(*win).arg(balance) : tr("Balance %1.").arg(balance));
    return said;
}

QString example(const QStringList &faces, int backs)
{
    const QString cards = faces.join(QStringLiteral(", "));
    if (backs == 0)
        return cards + QLatin1Char('.');
    return backs == 1 ? tr("%1, then 1 card face down.").arg(cards) : tr("%1, then %2 cards face down.").arg(cards).arg(backs);
}

QString exampleCard(int place) { return tr("example card %1").arg(place); }

QString currentGameCount(const QString &category, const QString &count) { return tr("%1, current game: %2").arg(category).arg(count); }
QString totalCount(const QString &category, const QString &count) { return tr("%1, total: %2").arg(category).arg(count); }
QString averageWin(const QString &average) { return tr("Average win per turn: %1").arg(average); }
QString payoffAmount(const QString &category, const QString &amount, qint64 stake)
{
    return tr("%1 pays %2 for a stake of %3").arg(category).arg(amount).arg(stake);
}
QString payoffStake(qint64 stake) { return tr("Payoff for a stake of %1").arg(stake); }

QString startupText(const QStringList &lines)
{
    // "Quintdraw \u00b7 2026": the middle dot separates, and a speech synthesizer would name it.
    return lines.join(QStringLiteral(". ")).replace(QStringLiteral(" \u00b7 "), QStringLiteral(", ")) + QLatin1Char('.');
}

QString hiScoresReset() { return tr("The hi-score list was reset."); }

QString pictureText(const QStringList &lines)
{
    QStringList read;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty()) {
            static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?]) +(?=\\S)"));
            read << QString(line).replace(QLatin1Char('\t'), QStringLiteral(", ")).simplified().split(sentenceEnd);
        }
    }
    return read.join(QLatin1Char('\n'));
}

} // namespace spoken
