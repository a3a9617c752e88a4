#include "ui/spoken_texts.h"

#include <QCoreApplication>

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

QString dealt(const QStringList &cards, const QString &handName)
{
    const QString row = cards.join(QStringLiteral(", ")) + QLatin1Char('.');
    return handName.isEmpty() ? row : row + QLatin1Char(' ') + handName + QLatin1Char('.');
}

QString drawn(const QStringList &cards, const QString &handName, qint64 win, qint64 balance)
{
    const QString hand = handName.isEmpty() ? tr("This hand pays nothing.") : handName + QLatin1Char('.');
    return tr("%1 %2 Won %3, balance %4.")
        .arg(cards.join(QStringLiteral(", ")) + QLatin1Char('.'), hand, QString::number(win),
             QString::number(balance));
}

QString pictureText(const QStringList &lines)
{
    QStringList read;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            read << QString(line).replace(QLatin1Char('\t'), QStringLiteral(", ")).simplified();
    }
    return read.join(QLatin1Char('\n'));
}

} // namespace spoken
