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

// Far more than any file the game writes; reading stops there, so a huge file costs no time.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

struct RawLine {
    QByteArray bytes;  // without its line end
    bool cut = false;  // longer than kMaxLineBytes; the rest was skipped
};

// Splits a file into lines ended by CR, LF or CR LF. A CR inside an open quote belongs to the
// value, since a quoted value may hold one. A UTF-8 byte order mark at the start is skipped.
class LineReader {
public:
    explicit LineReader(QFile &file) : m_file(file)
    {
        if (fill() && m_buffer.startsWith("\xEF\xBB\xBF"))
            m_at = 3;
    }

    std::optional<RawLine> next()
    {
        RawLine line;
        bool anything = false;
        bool started = false;  // a character other than a blank was seen
        bool quoted = false;   // the first such character is a quote
        bool inQuote = false;
        for (;;) {
            if (m_at == m_buffer.size() && !fill())
                return anything ? std::optional(line) : std::nullopt;
            anything = true;
            const char c = m_buffer[m_at++];
            if (c == '\n' || (c == '\r' && !inQuote)) {
                if (c == '\r' && (m_at < m_buffer.size() || fill()) && m_buffer[m_at] == '\n')
                    ++m_at;
                if (c == '\n' && !line.cut && line.bytes.endsWith('\r'))
                    line.bytes.chop(1);
                return line;
            }
            if (!started && c != ' ' && c != '\t') {
                started = true;
                quoted = c == '"';
            }
            if (c == '"' && quoted)
                inQuote = !inQuote;
            if (line.bytes.size() < kMaxLineBytes)
                line.bytes += c;
            else
                line.cut = true;
        }
    }

private:
    bool fill()
    {
        const qint64 room = kMaxFileBytes - m_read;
        const QByteArray chunk = room > 0 ? m_file.read(std::min(kChunkBytes, room)) : QByteArray();
        if (chunk.isEmpty())
            return false;
        m_buffer = chunk;
        m_at = 0;
        m_read += chunk.size();
        return true;
    }

    QFile &m_file;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    qint64 m_read = 0;
};

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
    LineReader reader(file);
    while (values.size() < count) {
        std::optional<RawLine> line = reader.next();
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
