#include "records/hiscore_file.h"

#include "records/hiscores.h"
#include "records/number_text.h"
#include "records/value_file.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kValueCount = 2 * HiScores::kRanks;

// "-40" or "007" can stand bare and still read back as the same text; anything else is quoted.
bool isPlainInteger(const QString &text)
{
    const QStringView digits = text.startsWith(u'-') ? QStringView(text).sliced(1) : QStringView(text);
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QList<FileValue> fileValues(const HiScores &hiScores)
{
    QList<FileValue> values;
    for (const HiScoreEntry &entry : hiScores.entries()) {
        values.append({entry.score, !isPlainInteger(entry.score)});
        values.append({entry.name, true});
    }
    return values;
}

} // namespace

FileCondition LoadHiScores(HiScores &hiScores, const QString &path)
{
    FileCondition condition = FileCondition::Absent;
    const QStringList values = readValues(path, kValueCount, &condition);
    HiScores::Entries entries;
    entries.fill(HiScores::kDefaultEntry);
    for (qsizetype i = 0; i < values.size(); ++i) {
        HiScoreEntry &entry = entries[i / 2];
        (i % 2 == 0 ? entry.score : entry.name) = values[i];
    }
    // Each score is read as a number once; equal scores keep the order of the file.
    std::array<std::pair<qint64, const HiScoreEntry *>, HiScores::kRanks> ranked;
    std::transform(entries.begin(), entries.end(), ranked.begin(),
                   [](const HiScoreEntry &entry) { return std::pair(leadingNumberOrZero(entry.score), &entry); });
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    HiScores::Entries sorted;
    std::transform(ranked.begin(), ranked.end(), sorted.begin(), [](const auto &item) { return *item.second; });
    hiScores.setEntries(sorted);
    if (condition == FileCondition::NotAsWritten && holdsExactly(path, encodeValues(fileValues(hiScores))))
        return FileCondition::AsWritten;
    return condition;
}

bool SaveHiScores(const HiScores &hiScores, const QString &path, QString *error)
{
    return writeValues(path, fileValues(hiScores), error);
}
