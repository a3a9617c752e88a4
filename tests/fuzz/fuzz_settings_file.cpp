#include "fuzz_input.h"

#include "records/settings.h"
#include "records/settings_file.h"
#include "records/statistics.h"

namespace {

bool sameRecords(const Settings &a, const Statistics &aTotals, const Settings &b, const Statistics &bTotals)
{
    for (int category = 0; category < kCategories; ++category) {
        if (aTotals.total(category) != bTotals.total(category))
            return false;
    }
    return a.slow() == b.slow() && a.startSum() == b.startSum() && a.defaultName() == b.defaultName();
}

} // namespace

// Whatever cfg.dat holds: totals are never negative, the start sum stays within its bound, and
// the settings survive a save and load unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Settings settings;
    Statistics statistics;
    LoadSettings(settings, statistics, writeFuzzInput(data, size));
    for (int category = 0; category < kCategories; ++category)
        fuzzCheck(statistics.total(category) >= 0);
    fuzzCheck(settings.startSum() >= -kStartSumLimit && settings.startSum() <= kStartSumLimit);
    const QString copy = fuzzFile("copy.dat");
    fuzzCheck(SaveSettings(settings, statistics, copy, nullptr));
    Settings reloaded;
    Statistics reloadedStatistics;
    LoadSettings(reloaded, reloadedStatistics, copy);
    fuzzCheck(sameRecords(settings, statistics, reloaded, reloadedStatistics));
    return 0;
}
