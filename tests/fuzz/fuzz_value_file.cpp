#include "fuzz_input.h"

#include "records/value_file.h"

// Whatever the bytes: values stay within their cap and one line each, and writing them back reads
// back the same texts.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList values = readValues(writeFuzzInput(data, size), 300);
    QList<FileValue> quoted;
    for (const QString &value : values) {
        fuzzCheck(value.size() <= kMaxValueLength && !value.contains(u'\n'));
        quoted.append({value, true});
    }
    const QString copy = fuzzFile("copy.dat");
    fuzzCheck(writeValues(copy, quoted, nullptr));
    fuzzCheck(readValues(copy, 300) == values);
    return 0;
}
