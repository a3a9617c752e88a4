#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

// Writes a file whole or not at all. The bytes go to "<name>.saving" beside it, which is then
// renamed over the file: a failure or a kill at any moment leaves the previous file whole, and a
// "<name>.saving" left by a kill is overwritten and renamed away by the next save. Where the folder
// forbids new files but the file itself may be written (a shared score folder), the file is
// written in place instead, which is not atomic.
//
// `fill` hands the content to `write` piece by piece; it returns false to give up, with a reason
// in `reason` unless the write itself failed. On failure `error` (when given) receives a reason a
// person can read.
using WriteBytes = std::function<bool(QByteArrayView)>;
using FillFile = std::function<bool(const WriteBytes &write, QString &reason)>;
bool replaceFile(const QString &path, const FillFile &fill, QString *error);
