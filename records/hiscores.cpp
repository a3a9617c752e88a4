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
    m_resetInRun = true;
    m_enteredInRun.clear();
    emit changed();
}

bool HiScores::enter(const HiScoreEntry &entry)
{
    if (leadingNumberOrZero(entry.score) <= scoreValue(m_entries.back()))
        return false;
    m_entries.back() = entry;
    // Strictly less: among equal scores the older entries keep the better ranks.
    for (int j = kRanks - 1; j > 0 && scoreValue(m_entries[j - 1]) < scoreValue(m_entries[j]); --j)
        std::swap(m_entries[j - 1], m_entries[j]);
    return true;
}

bool HiScores::CheckHiScore(qint64 result, NamePrompt &prompt, const QString &defaultName)
{
    const bool entered = result > scoreValue(m_entries.back());
    if (entered) {
        const QString name = prompt.askName(firstCharacters(defaultName, kNameLength));
        const HiScoreEntry entry{QString::number(result), firstCharacters(name, kNameLength)};
        enter(entry);
        m_enteredInRun.append(entry);
    }
    emit changed();
    return entered;
}

void HiScores::putChangesOnto(const Entries &found)
{
    if (m_resetInRun)
        m_entries.fill(kDefaultEntry);
    else
        m_entries = found;
    for (const HiScoreEntry &entry : std::as_const(m_enteredInRun))
        enter(entry);
    emit changed();
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
