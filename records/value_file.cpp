#include "records/value_file.h"

#include "records/replace_file.h"
#include "records/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
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

FileCondition conditionOf(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileCondition::Absent;
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileCondition::Unreadable;
    return FileCondition::NotAsWritten;
}

} // namespace

QStringList readValues(const QString &path, int count, FileCondition *condition)
{
    QStringList values;
    QFile file(path);
    const FileCondition found = conditionOf(path, file);
    if (condition)
        *condition = found;
    if (found != FileCondition::NotAsWritten)
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

QByteArray encodeValues(const QList<FileValue> &values)
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
    return bytes;
}

bool holdsExactly(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    for (qsizetype at = 0;;) {
        const QByteArray chunk = file.read(kChunkBytes);
        if (chunk.isEmpty())
            return at == bytes.size() && file.error() == QFileDevice::NoError;
        if (chunk != bytes.sliced(at, std::min(chunk.size(), bytes.size() - at)))
            return false;
        at += chunk.size();
    }
}

bool writeValues(const QString &path, const QList<FileValue> &values, QString *error)
{
    const QByteArray bytes = encodeValues(values);
    return replaceFile(path, [&](const WriteBytes &write, QString &) { return write(bytes); }, error);
}

bool copyFile(const QString &path, const QString &copyPath, QString *error)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), source.errorString());
        return false;
    }
    const auto fill = [&](const WriteBytes &write, QString &reason) {
        for (;;) {
            const QByteArray chunk = source.read(kChunkBytes);
            if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
                reason = source.errorString();
            if (chunk.isEmpty())
                return source.error() == QFileDevice::NoError;
            if (!write(chunk))
                return false;
        }
    };
    // The copy is as private as the file it keeps.
    if (!replaceFile(copyPath, fill, error))
        return false;
    QFile::setPermissions(copyPath, source.permissions());
    return true;
}
