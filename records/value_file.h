#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The format shared by hi.dat and cfg.dat: one value a line, each line ending in CR LF. A value
// stands bare or in double quotes, a doubled quote inside quotes standing for one. Each value is
// written in Windows-1252 when that keeps every character and cannot be taken for UTF-8, otherwise
// in UTF-8; reading decodes each value by the same rule, so old single-byte files keep their names.

// Longest value kept, in UTF-16 units; a longer one in a damaged file is cut.
inline constexpr int kMaxValueLength = 32767;

struct FileValue {
    QString text;
    // Text values are quoted. A bare value must be a plain number: no leading blanks, no quote first.
    bool quoted = true;

    static FileValue number(qint64 value) { return {QString::number(value), false}; }
};

// How a records file stood when it was read: whether replacing it could lose anything.
enum class FileCondition {
    Absent,        // nothing there
    AsWritten,     // exactly the bytes this program writes for what was read
    NotAsWritten,  // read, but cut, damaged, repaired, reordered or otherwise encoded
    Unreadable,    // there but not a regular file that could be opened
};

// Up to `count` values from the start of the file; missing values are absent from the result.
// A missing, unreadable or non-regular file reads as no values; `condition` (when given) tells
// which, or NotAsWritten for a file read. What follows a value on its line (after a closing quote)
// and every line after the last value read are ignored. Memory stays bounded whatever the file holds.
QStringList readValues(const QString &path, int count, FileCondition *condition = nullptr);

// The bytes writeValues writes for the values.
QByteArray encodeValues(const QList<FileValue> &values);

// Whether the file holds exactly these bytes; stops reading soon after they are passed.
bool holdsExactly(const QString &path, QByteArrayView bytes);

// Replaces the file with the values, one a line, as replaceFile does: on failure the previous file
// stays whole, false is returned and `error` (when given) receives a reason a person can read. A
// line feed inside a value is written as a space, since a value is one line.
bool writeValues(const QString &path, const QList<FileValue> &values, QString *error);

