#include "records/settings_file.h"

#include "records/number_text.h"
#include "records/settings.h"
#include "records/statistics.h"
#include "records/value_file.h"

#include <algorithm>

namespace {

constexpr int kSpeedLine = kCategories;
constexpr int kStartSumLine = kSpeedLine + 1;
constexpr int kNameLine = kStartSumLine + 1;
constexpr int kValueCount = kNameLine + 1;

// Only a value equal to 1 as a number ("1", " 1", "1.0") means slow.
bool meansSlow(const QString &value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    return ok && number == 1;
}

QList<FileValue> fileValues(const Settings &settings, const Statistics &statistics)
{
    QList<FileValue> values;
    for (int category = 0; category < kCategories; ++category)
        values.append(FileValue::number(statistics.total(category)));
    values.append(FileValue::number(settings.slow() ? 1 : 0));
    values.append(FileValue::number(settings.startSum()));
    values.append({settings.defaultName(), true});
    return values;
}

} // namespace

FileCondition LoadSettings(Settings &settings, Statistics &statistics, const QString &path)
{
    FileCondition condition = FileCondition::Absent;
    const QStringList values = readValues(path, kValueCount, &condition);
    const auto present = [&](int line) { return line < values.size(); };
    for (int category = 0; category < kCategories && present(category); ++category)
        statistics.setTotal(category, std::max<qint64>(leadingNumber(values[category]).value_or(0), 0));
    if (present(kSpeedLine))
        settings.setSlow(meansSlow(values[kSpeedLine]));
    if (present(kStartSumLine)) {
        if (const auto startSum = leadingNumber(values[kStartSumLine]))
            settings.setStartSum(std::clamp(*startSum, -kStartSumLimit, kStartSumLimit));
    }
    if (present(kNameLine))
        settings.setDefaultName(values[kNameLine]);
    if (condition == FileCondition::NotAsWritten
        && holdsExactly(path, encodeValues(fileValues(settings, statistics))))
        return FileCondition::AsWritten;
    return condition;
}

bool SaveSettings(const Settings &settings, const Statistics &statistics, const QString &path, QString *error)
{
    return writeValues(path, fileValues(settings, statistics), error);
}
