#pragma once

#include "records/file_keeper.h"
#include "records/value_file.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <map>
#include <vector>

// coach.dat, the coach's log kept from one coached game to the next: how each line of the
// strategy chart has been played, the last mistaken hands, and when practice brings each line
// back. Plain text, one record a line (format in the README). Only a game with the coach reads or
// writes it.

// Bounds of what is read; anything past them in a file is not kept.
inline constexpr int kMaxChartLine = 64;
inline constexpr int kMaxLoggedHands = 400;
inline constexpr qint64 kMaxLogCount = 1'000'000'000'000'000;

// A card as core's Card has it: rank 2..14, suit 0..3 (diamonds, hearts, clubs, spades).
struct LoggedCard {
    quint8 rank = 2;
    quint8 suit = 0;
    friend bool operator==(const LoggedCard &, const LoggedCard &) = default;
};

// One hand not played best.
struct LoggedHand {
    QDate day;
    std::array<LoggedCard, 5> dealt{};
    quint8 kept = 0;          // bit p - 1 keeps position p
    quint8 best = 0;
    qint64 lostMicros = 0;    // expected win given up, in millionths of the stake
    int line = 0;             // the chart line of the best hold; 0 where it is on none
    friend bool operator==(const LoggedHand &, const LoggedHand &) = default;
};

// How the hands whose best hold is on one chart line were played.
struct LineTally {
    qint64 seen = 0;
    qint64 right = 0;
    qint64 lostMicros = 0;
    friend bool operator==(const LineTally &, const LineTally &) = default;
};

// When practice brings a line back: answered right `streak` times in a row since it last
// rested or was missed; rested `rests` times; due again from coached run `dueRun` on.
struct LineSchedule {
    int streak = 0;
    int rests = 0;
    qint64 dueRun = 0;
    friend bool operator==(const LineSchedule &, const LineSchedule &) = default;
};

struct CoachLogData {
    qint64 runs = 0;                          // coached runs that have kept this log
    std::map<int, LineTally> tallies;         // by chart line, 1-based
    std::map<int, LineSchedule> schedule;
    std::vector<LoggedHand> hands;            // oldest first, at most kMaxLoggedHands
    friend bool operator==(const CoachLogData &, const CoachLogData &) = default;
};

// The log as this run sees it, and what this run added since it last saved, so that a save onto
// a log another game wrote meanwhile keeps both games' hands.
class CoachLog {
public:
    const CoachLogData &data() const { return m_data; }
    // Sets the log as read; nothing of it counts as this run's.
    void setData(CoachLogData data);

    // This run is one more coached run.
    void countRun();
    void countHand(int line, bool right, qint64 lostMicros);
    void addMistake(const LoggedHand &hand);
    void setSchedule(int line, const LineSchedule &schedule);
    // The run this is: the runs before it and this one.
    qint64 currentRun() const { return m_data.runs; }

    // Makes the log what another program saved (`found`) with this run's unsaved changes on it.
    void putChangesOnto(const CoachLogData &found);
    // The changes are in the file now.
    void markSaved();
    bool hasUnsavedChanges() const;

private:
    CoachLogData m_data;
    qint64 m_newRuns = 0;
    std::map<int, LineTally> m_newTallies;
    std::map<int, LineSchedule> m_newSchedule;
    std::vector<LoggedHand> m_newHands;
};

// The bytes SaveCoachLog writes.
QByteArray encodeCoachLog(const CoachLogData &data);
// What a file's bytes hold, as far as they can be read; `condition` tells whether they were
// exactly what encodeCoachLog writes for it.
CoachLogData decodeCoachLog(QByteArrayView bytes, FileCondition *condition);

// Reads the file (bounded in size, every byte checked) into the log.
FileCondition LoadCoachLog(CoachLog &log, const QString &path);
// Replaces the file whole and durably; false with a reason in `error` (when given).
bool SaveCoachLog(const CoachLog &log, const QString &path, QString *error);

// The log in its file: read once, saved as often as the coach asks, each time under the folder's
// lock and onto what another coached game saved there meanwhile (both games' hands kept); a file
// not as this program writes it is kept as "coach.dat.bak" first, one that cannot be read is
// never replaced.
class CoachLogFile {
public:
    explicit CoachLogFile(QString path);

    CoachLog &log() { return m_log; }
    const CoachLog &log() const { return m_log; }
    const QString &path() const { return m_path; }
    // What the player is told about the file as it was found; empty when it was fine.
    QString startNotice() const { return m_notice; }
    // Nothing to do when nothing changed since the last save.
    bool save(QString *error);

private:
    QString m_path;
    CoachLog m_log;
    FileKeeper m_keeper;
    QString m_notice;
};
