#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The readers take a path, so each input goes through a file of this process's own.
inline QString fuzzFile(const char *name)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

inline QString writeFuzzInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzFile("input.dat");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}

// A broken promise must crash, so that libFuzzer keeps the input that broke it.
inline void fuzzCheck(bool holds)
{
    if (!holds)
        std::abort();
}
