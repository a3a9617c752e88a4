#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class NamePrompt;

struct HiScoreEntry {
    QString score;  // a whole number as decimal text; compared by its leading numeric part
    QString name;   // at most five characters when typed; a name read from hi.dat is kept whole

    friend bool operator==(const HiScoreEntry &, const HiScoreEntry &) = default;
};

// The 100 best game results, rank 1 first. From rank 1 down the numeric scores never increase as
// long as the entries set from outside kept that order; the insertion relies on it.
class HiScores : public QObject {
    Q_OBJECT
public:
    static constexpr int kRanks = 100;
    static constexpr int kNameLength = 5;
    using Entries = std::array<HiScoreEntry, kRanks>;  // index = rank - 1

    static inline const HiScoreEntry kDefaultEntry{QStringLiteral("100"), QStringLiteral("ABC")};

    explicit HiScores(QObject *parent = nullptr);

    const Entries &entries() const { return m_entries; }
    const HiScoreEntry &entry(int rank) const { return m_entries[rank - 1]; }
    void setEntries(const Entries &entries);

    // Every rank becomes the default entry. The file is not touched.
    void ResetHiScores();
    // Offers a game result: when it beats rank 100 strictly, asks for a name (offering the first
    // five characters of `defaultName`), enters the result below all equal scores and returns true.
    // A cancelled prompt enters an empty name. Emits changed() either way, for the list to redraw.
    bool CheckHiScore(qint64 result, NamePrompt &prompt, const QString &defaultName);
    // Puts what this run changed onto a list another program saved meanwhile: the entries this
    // run entered go into `found` by the rule of CheckHiScore, in the order they were entered,
    // onto the default list instead if this run reset the list since.
    void putChangesOnto(const Entries &found);
    // The list box lines, rank 1 first: rank, six spaces, TAB, name, four spaces, TAB, score.
    QStringList lines() const;

signals:
    void changed();

private:
    // Enters the entry below all equal scores when it beats rank 100; returns whether it did.
    bool enter(const HiScoreEntry &entry);

    Entries m_entries;
    bool m_resetInRun = false;
    QList<HiScoreEntry> m_enteredInRun;   // since the last reset
};
