#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The single-byte character set of the old records files. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 code points of the same number, so every
// byte decodes to a character and encodes back to itself.
QString decodeWindows1252(QByteArrayView bytes);
// nullopt when a character has no byte in the set.
std::optional<QByteArray> encodeWindows1252(QStringView text);
