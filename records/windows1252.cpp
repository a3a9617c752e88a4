#include "records/windows1252.h"

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; the rest of the set equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<uchar>(byte);
        text += (code >= 0x80 && code < 0xA0) ? QChar(kHighControls[code - 0x80]) : QChar(char16_t(code));
    }
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes += static_cast<char>(code);
            continue;
        }
        const auto found = std::find(kHighControls.begin(), kHighControls.end(), code);
        if (found == kHighControls.end())
            return std::nullopt;
        bytes += static_cast<char>(0x80 + (found - kHighControls.begin()));
    }
    return bytes;
}
