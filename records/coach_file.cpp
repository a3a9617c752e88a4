#include "records/coach_file.h"

#include "records/records_lock.h"
#include "records/replace_file.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <optional>

namespace {

constexpr QByteArrayView kVersionLine = "quintdraw coach log 1";
// Far above what the bounds above allow a file written by this program to reach.
constexpr qint64 kMaxFileBytes = 256 * 1024;
constexpr qsizetype kMaxLineBytes = 200;
constexpr char kRanks[] = "23456789TJQKA";
constexpr char kSuits[] = "DHCS";

qint64 saturatingAdd(qint64 a, qint64 b)
{
    return std::min(kMaxLogCount, a + b);   // both within the bound, so the sum cannot overflow
}

void keepLastHands(std::vector<LoggedHand> &hands)
{
    if (hands.size() > size_t(kMaxLoggedHands))
        hands.erase(hands.begin(), hands.end() - kMaxLoggedHands);
}

QByteArray microsText(qint64 micros)
{
    return QByteArray::number(micros / 1'000'000) + '.'
         + QByteArray::number(micros % 1'000'000).rightJustified(6, '0');
}

QByteArray positionsText(quint8 hold)
{
    QByteArray text;
    for (int p = 1; p <= 5; ++p) {
        if (hold & (1U << (p - 1)))
            text += char('0' + p);
    }
    return text.isEmpty() ? QByteArray("-") : text;
}

// A whole number of digits only, within the bound.
std::optional<qint64> count(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 16)
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value <= kMaxLogCount ? std::optional(value) : std::nullopt;
}

std::optional<qint64> micros(QByteArrayView text)
{
    const qsizetype point = text.indexOf('.');
    if (point < 0 || text.size() - point != 7)
        return std::nullopt;
    const auto whole = count(text.first(point));
    const auto fraction = count(text.sliced(point + 1));
    if (!whole || !fraction || *whole > kMaxLogCount / 1'000'000)
        return std::nullopt;
    return *whole * 1'000'000 + *fraction;
}

std::optional<int> chartLine(QByteArrayView text, int lowest)
{
    const auto value = count(text);
    return value && *value >= lowest && *value <= kMaxChartLine ? std::optional(int(*value)) : std::nullopt;
}

std::optional<LoggedCard> card(QByteArrayView text)
{
    if (text.size() != 2)
        return std::nullopt;
    const char *rank = std::find(kRanks, kRanks + 13, text[0]);
    const char *suit = std::find(kSuits, kSuits + 4, text[1]);
    if (rank == kRanks + 13 || suit == kSuits + 4)
        return std::nullopt;
    return LoggedCard{quint8(rank - kRanks + 2), quint8(suit - kSuits)};
}

// Positions 1 to 5, each once and rising, or "-" for none.
std::optional<quint8> positions(QByteArrayView text)
{
    if (text == "-")
        return quint8(0);
    quint8 hold = 0;
    int last = 0;
    for (char c : text) {
        const int p = c - '0';
        if (p <= last || p > 5)
            return std::nullopt;
        hold |= quint8(1U << (p - 1));
        last = p;
    }
    return text.isEmpty() ? std::nullopt : std::optional(hold);
}

// "line L seen N right N lost U.UUUUUU"
bool readTally(const QList<QByteArray> &words, CoachLogData &data)
{
    if (words.size() != 8 || words[2] != "seen" || words[4] != "right" || words[6] != "lost")
        return false;
    const auto line = chartLine(words[1], 1);
    const auto seen = count(words[3]);
    const auto right = count(words[5]);
    const auto lost = micros(words[7]);
    if (!line || !seen || !right || !lost || *right > *seen || data.tallies.count(*line))
        return false;
    data.tallies[*line] = {*seen, *right, *lost};
    return true;
}

// "practice L streak N rests N due N"
bool readSchedule(const QList<QByteArray> &words, CoachLogData &data)
{
    if (words.size() != 8 || words[2] != "streak" || words[4] != "rests" || words[6] != "due")
        return false;
    const auto line = chartLine(words[1], 1);
    const auto streak = count(words[3]);
    const auto rests = count(words[5]);
    const auto due = count(words[7]);
    if (!line || !streak || !rests || !due || *streak > 1000 || *rests > 1000 || data.schedule.count(*line))
        return false;
    data.schedule[*line] = {int(*streak), int(*rests), *due};
    return true;
}

// "hand YYYY-MM-DD C C C C C kept P best P lost U.UUUUUU line L"
bool readHand(const QList<QByteArray> &words, CoachLogData &data)
{
    if (words.size() != 15 || words[7] != "kept" || words[9] != "best" || words[11] != "lost" || words[13] != "line")
        return false;
    LoggedHand hand;
    hand.day = QDate::fromString(QString::fromLatin1(words[1]), Qt::ISODate);
    if (!hand.day.isValid() || words[1].size() != 10)
        return false;
    for (int i = 0; i < 5; ++i) {
        const auto dealt = card(words[2 + i]);
        if (!dealt || std::find(hand.dealt.begin(), hand.dealt.begin() + i, *dealt) != hand.dealt.begin() + i)
            return false;
        hand.dealt[i] = *dealt;
    }
    const auto kept = positions(words[8]);
    const auto best = positions(words[10]);
    const auto lost = micros(words[12]);
    const auto line = chartLine(words[14], 0);
    if (!kept || !best || !lost || !line || *kept == *best)
        return false;
    hand.kept = *kept;
    hand.best = *best;
    hand.lostMicros = *lost;
    hand.line = *line;
    data.hands.push_back(hand);
    return true;
}

} // namespace

void CoachLog::setData(CoachLogData data)
{
    m_data = std::move(data);
    m_newRuns = 0;
    m_newTallies.clear();
    m_newSchedule.clear();
    m_newHands.clear();
}

void CoachLog::countRun()
{
    m_data.runs = saturatingAdd(m_data.runs, 1);
    ++m_newRuns;
}

void CoachLog::countHand(int line, bool right, qint64 lostMicros)
{
    if (line < 1 || line > kMaxChartLine)
        return;
    for (LineTally *tally : {&m_data.tallies[line], &m_newTallies[line]}) {
        tally->seen = saturatingAdd(tally->seen, 1);
        tally->right = saturatingAdd(tally->right, right);
        tally->lostMicros = saturatingAdd(tally->lostMicros, std::clamp<qint64>(lostMicros, 0, kMaxLogCount));
    }
}

void CoachLog::addMistake(const LoggedHand &hand)
{
    m_data.hands.push_back(hand);
    keepLastHands(m_data.hands);
    m_newHands.push_back(hand);
    keepLastHands(m_newHands);
}

void CoachLog::setSchedule(int line, const LineSchedule &schedule)
{
    if (line < 1 || line > kMaxChartLine)
        return;
    m_data.schedule[line] = schedule;
    m_newSchedule[line] = schedule;
}

void CoachLog::putChangesOnto(const CoachLogData &found)
{
    CoachLogData merged = found;
    merged.runs = saturatingAdd(merged.runs, m_newRuns);
    for (const auto &[line, added] : m_newTallies) {
        LineTally &tally = merged.tallies[line];
        tally.seen = saturatingAdd(tally.seen, added.seen);
        tally.right = std::min(tally.seen, saturatingAdd(tally.right, added.right));
        tally.lostMicros = saturatingAdd(tally.lostMicros, added.lostMicros);
    }
    // This run's practice decides the lines it practised.
    for (const auto &[line, schedule] : m_newSchedule)
        merged.schedule[line] = schedule;
    merged.hands.insert(merged.hands.end(), m_newHands.begin(), m_newHands.end());
    keepLastHands(merged.hands);
    m_data = std::move(merged);
}

void CoachLog::markSaved()
{
    m_newRuns = 0;
    m_newTallies.clear();
    m_newSchedule.clear();
    m_newHands.clear();
}

bool CoachLog::hasUnsavedChanges() const
{
    return m_newRuns || !m_newTallies.empty() || !m_newSchedule.empty() || !m_newHands.empty();
}

QByteArray encodeCoachLog(const CoachLogData &data)
{
    QByteArray bytes = kVersionLine.toByteArray() + '\n';
    bytes += "runs " + QByteArray::number(data.runs) + '\n';
    for (const auto &[line, tally] : data.tallies) {
        bytes += "line " + QByteArray::number(line) + " seen " + QByteArray::number(tally.seen) + " right "
               + QByteArray::number(tally.right) + " lost " + microsText(tally.lostMicros) + '\n';
    }
    for (const auto &[line, schedule] : data.schedule) {
        bytes += "practice " + QByteArray::number(line) + " streak " + QByteArray::number(schedule.streak)
               + " rests " + QByteArray::number(schedule.rests) + " due " + QByteArray::number(schedule.dueRun) + '\n';
    }
    for (const LoggedHand &hand : data.hands) {
        bytes += "hand " + hand.day.toString(Qt::ISODate).toLatin1();
        for (const LoggedCard &card : hand.dealt)
            bytes += ' ' + QByteArray(1, kRanks[card.rank - 2]) + kSuits[card.suit];
        bytes += " kept " + positionsText(hand.kept) + " best " + positionsText(hand.best) + " lost "
               + microsText(hand.lostMicros) + " line " + QByteArray::number(hand.line) + '\n';
    }
    return bytes;
}

CoachLogData decodeCoachLog(QByteArrayView bytes, FileCondition *condition)
{
    CoachLogData data;
    const QList<QByteArray> lines = bytes.toByteArray().split('\n');
    bool readable = !lines.isEmpty() && lines.front() == kVersionLine;
    bool runsRead = false;
    for (qsizetype i = readable ? 1 : lines.size(); i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line.isEmpty() && i == lines.size() - 1)
            break;   // after the last line's end
        const QList<QByteArray> words = line.size() <= kMaxLineBytes ? line.split(' ') : QList<QByteArray>{};
        const QByteArray kind = words.value(0);
        bool read = false;
        if (kind == "runs" && words.size() == 2 && !runsRead) {
            const auto runs = count(words[1]);
            read = runs.has_value();
            data.runs = runs.value_or(0);
            runsRead = true;
        } else if (kind == "line") {
            read = readTally(words, data);
        } else if (kind == "practice") {
            read = readSchedule(words, data);
        } else if (kind == "hand") {
            read = readHand(words, data);
        }
        readable = readable && read;
    }
    keepLastHands(data.hands);
    if (condition)
        *condition = readable && encodeCoachLog(data) == bytes ? FileCondition::AsWritten : FileCondition::NotAsWritten;
    return data;
}

FileCondition LoadCoachLog(CoachLog &log, const QString &path)
{
    log.setData({});
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists())
        return FileCondition::Absent;
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileCondition::Unreadable;
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    const bool tooLong = bytes.size() > kMaxFileBytes;
    if (tooLong)
        bytes.truncate(bytes.lastIndexOf('\n', kMaxFileBytes - 1) + 1);   // whole lines only
    FileCondition condition = FileCondition::NotAsWritten;
    log.setData(decodeCoachLog(bytes, &condition));
    return tooLong || file.error() != QFileDevice::NoError ? FileCondition::NotAsWritten : condition;
}

bool SaveCoachLog(const CoachLog &log, const QString &path, QString *error)
{
    const QByteArray bytes = encodeCoachLog(log.data());
    return replaceFile(path, [&](const WriteBytes &write, QString &) { return write(bytes); }, error);
}

CoachLogFile::CoachLogFile(QString path) : m_path(std::move(path))
{
    const FileStamp stamp = FileStamp::of(m_path);
    m_keeper = FileKeeper(LoadCoachLog(m_log, m_path), stamp);
    m_notice = m_keeper.startNotice(m_path);
}

bool CoachLogFile::save(QString *error)
{
    if (!m_log.hasUnsavedChanges())
        return true;
    const RecordsLock lock(RecordsLock::folderOf(m_path));
    const auto readAgain = [&] {
        CoachLog found;
        const FileCondition condition = LoadCoachLog(found, m_path);
        if (condition != FileCondition::Unreadable)
            m_log.putChangesOnto(found.data());
        return condition;
    };
    if (!m_keeper.save(m_path, readAgain, [&](QString *why) { return SaveCoachLog(m_log, m_path, why); }, error))
        return false;
    m_log.markSaved();
    return true;
}
