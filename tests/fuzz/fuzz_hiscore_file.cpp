#include "fuzz_input.h"

#include "records/hiscore_file.h"
#include "records/hiscores.h"
#include "records/number_text.h"

// Whatever hi.dat holds: the table comes out ordered and survives a save and load unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    HiScores table;
    LoadHiScores(table, writeFuzzInput(data, size));
    for (int rank = 2; rank <= HiScores::kRanks; ++rank)
        fuzzCheck(leadingNumberOrZero(table.entry(rank - 1).score) >= leadingNumberOrZero(table.entry(rank).score));
    const QString copy = fuzzFile("copy.dat");
    fuzzCheck(SaveHiScores(table, copy, nullptr));
    HiScores reloaded;
    LoadHiScores(reloaded, copy);
    fuzzCheck(reloaded.entries() == table.entries());
    return 0;
}
