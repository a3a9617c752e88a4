#include "records/hiscores.h"

#include "records/name_prompt.h"
#include "records/number_text.h"

#include <utility>

namespace {

// The first `count` characters, counting a surrogate pair as one character.
QString firstCharacters(const QString &text, int count)
{
    qsizetype end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken)
        end += (text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate()) ? 2 : 1;
    return text.left(end);
}

qint64 scoreValue(const HiScoreEntry &entry)
{
    return leadingNumberOrZero(entry.score);
}

} // namespace

HiScores::HiScores(QObject *parent)
    : QObject(parent)
{
    m_entries.fill(kDefaultEntry);
}

void HiScores::setEntries(const Entries &entries)
{
    m_entries = entries;
    emit changed();
}

void HiScores::ResetHiScores()
{
    m_entries.fill(kDefaultEntry);
    emit changed();
}

bool HiScores::CheckHiScore(qint64 result, NamePrompt &prompt, const QString &defaultName)
{
    const bool entered = result > scoreValue(m_entries.back());
    if (entered) {
        const QString name = prompt.askName(firstCharacters(defaultName, kNameLength));
        m_entries.back() = {QString::number(result), firstCharacters(name, kNameLength)};
        // Strictly less: among equal scores the older entries keep the better ranks.
        for (int j = kRanks - 1; j > 0 && scoreValue(m_entries[j - 1]) < scoreValue(m_entries[j]); --j)
            std::swap(m_entries[j - 1], m_entries[j]);
    }
    emit changed();
    return entered;
}

QStringList HiScores::lines() const
{
    QStringList lines;
    lines.reserve(kRanks);
    for (int rank = 1; rank <= kRanks; ++rank) {
        const HiScoreEntry &e = entry(rank);
        lines.append(QString::number(rank) + QStringLiteral("      \t") + e.name + QStringLiteral("    \t") + e.score);
    }
    return lines;
}
