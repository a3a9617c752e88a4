#include "records/value_file.h"

#include "records/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <optional>

namespace {

// No written value takes more than three bytes per UTF-16 unit plus its quotes, so every line the
// writer makes is read whole; only damaged files reach this limit.
constexpr qsizetype kMaxLineBytes = 3 * qsizetype(kMaxValueLength) + 8;
constexpr qint64 kChunkBytes = 4096;

struct RawLine {
    QByteArray bytes;  // without its line end
    bool cut = false;  // longer than kMaxLineBytes; the rest was skipped
};

std::optional<RawLine> readRawLine(QFile &file)
{
    RawLine line;
    bool anything = false;
    for (bool ended = false; !ended;) {
        QByteArray chunk = file.readLine(kChunkBytes);
        if (chunk.isEmpty())
            break;
        anything = true;
        ended = chunk.endsWith('\n');
        if (ended)
            chunk.chop(1);
        const qsizetype room = kMaxLineBytes - line.bytes.size();
        if (chunk.size() > room) {
            line.cut = true;
            chunk.truncate(room);
        }
        line.bytes += chunk;
    }
    if (!anything)
        return std::nullopt;
    if (!line.cut && line.bytes.endsWith('\r'))
        line.bytes.chop(1);
    return line;
}

// A line cut at a byte limit may end inside a UTF-8 sequence; without the broken tail the value
// still decodes as the UTF-8 it was.
void dropBrokenUtf8Tail(QByteArray &bytes)
{
    qsizetype lead = bytes.size() - 1;
    while (lead >= 0 && bytes.size() - lead <= 3 && (static_cast<uchar>(bytes[lead]) & 0xC0) == 0x80)
        --lead;
    if (lead < 0)
        return;
    const auto first = static_cast<uchar>(bytes[lead]);
    const qsizetype length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (bytes.size() - lead < length)
        bytes.truncate(lead);
}

QByteArray valueBytes(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i == line.size() || line[i] != '"')
        return line.sliced(i).toByteArray();
    QByteArray value;
    for (++i; i < line.size(); ++i) {
        if (line[i] == '"') {
            if (i + 1 == line.size() || line[i + 1] != '"')
                break;
            ++i;
        }
        value += line[i];
    }
    return value;
}

// nullopt when the bytes are not well-formed UTF-8 (a broken or cut sequence, an overlong form, a
// surrogate); a byte order mark is kept as a character like any other.
std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeValue(QByteArrayView bytes)
{
    std::optional<QString> utf8 = decodeUtf8(bytes);
    QString text = utf8 ? std::move(*utf8) : decodeWindows1252(bytes);
    if (text.size() > kMaxValueLength) {
        text.truncate(kMaxValueLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

QByteArray encodeValue(const QString &text)
{
    if (const auto singleByte = encodeWindows1252(text); singleByte && !decodeUtf8(*singleByte))
        return *singleByte;
    return text.toUtf8();
}

// Qt 6.4's QSaveFile::commit() ignores a failure of its final flush and would rename a cut file
// into place; unbuffered, every failing write shows here instead.
bool writeAll(QSaveFile &file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

} // namespace

QStringList readValues(const QString &path, int count)
{
    QStringList values;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return values;
    while (values.size() < count) {
        std::optional<RawLine> line = readRawLine(file);
        if (!line)
            break;
        if (line->cut)
            dropBrokenUtf8Tail(line->bytes);
        values.append(decodeValue(valueBytes(line->bytes)));
    }
    return values;
}

bool writeValues(const QString &path, const QList<FileValue> &values, QString *error)
{
    QByteArray bytes;
    for (const FileValue &value : values) {
        QByteArray encoded = encodeValue(value.text);
        encoded.replace('\n', ' ');
        if (value.quoted)
            bytes += '"' + encoded.replace("\"", "\"\"") + '"';
        else
            bytes += encoded;
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes) && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}
