#include "fuzz_input.h"

#include "records/coach_file.h"

// Whatever coach.dat holds: what is read stays within its bounds, and survives a save and load
// unchanged, as the game writes it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CoachLog log;
    LoadCoachLog(log, writeFuzzInput(data, size));
    const CoachLogData &read = log.data();
    fuzzCheck(read.hands.size() <= size_t(kMaxLoggedHands) && read.runs >= 0 && read.runs <= kMaxLogCount);
    for (const auto &[line, tally] : read.tallies)
        fuzzCheck(line >= 1 && line <= kMaxChartLine && tally.right <= tally.seen && tally.lostMicros >= 0);
    for (const LoggedHand &hand : read.hands)
        fuzzCheck(hand.day.isValid() && hand.kept < 32 && hand.best < 32 && hand.kept != hand.best);
    const QString copy = fuzzFile("copy.dat");
    fuzzCheck(SaveCoachLog(log, copy, nullptr));
    CoachLog reloaded;
    fuzzCheck(LoadCoachLog(reloaded, copy) == FileCondition::AsWritten);
    fuzzCheck(reloaded.data() == read);
    return 0;
}
