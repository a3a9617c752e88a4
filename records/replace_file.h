#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

// Writes a file whole or not at all, and durably. The bytes go to a new file of a name of its own
// beside the file ("<name>.saving.XXXXXX", created exclusively, never through a link), are synced
// to the disk and renamed over the file, and the folder is synced: a failure, a kill or a power
// cut at any moment leaves the previous file or the new one, whole. A link, or a chain of links,
// stays as it is and the file it finally names is the one replaced, when mayWriteThrough allows.
//
// Where no new file may be made beside it (a shared score folder), or the folder refuses the
// rename (a sticky folder), the file is written in place instead: its previous bytes are first
// kept durably in the player's state folder (keptElsewhereFolder), and in memory to be written
// back if the write fails; the reason then says whether that worked. A cut or kill during an
// in-place write may leave the file torn; the kept copy then holds the previous version.
//
// `fill` hands the content to `write` piece by piece; it returns false to give up, with a reason
// in `reason` unless the write itself failed. On failure `error` (when given) receives a reason a
// person can read.
using WriteBytes = std::function<bool(QByteArrayView)>;
using FillFile = std::function<bool(const WriteBytes &write, QString &reason)>;
bool replaceFile(const QString &path, const FillFile &fill, QString *error);

// Whether a save may go through the link at `path` (true when it is no link): only when the
// player running the game owns every link of the chain and the file it ends at, if any. A link in
// a shared folder, planted by another user, must not lead a save onto another file. False with a
// reason a person can read in `error`.
bool mayWriteThrough(const QString &path, QString *error);

// The file a path finally names: the path itself unless it is a link, else the end of its chain.
QString finalTarget(const QString &path);

// Makes `keptPath` hold the bytes of the file at `path` as they are now, as durably as
// replaceFile: a second name for the same file where the file system allows it (nothing is
// copied, and replacing the file later leaves this name on the old bytes), otherwise a copy as
// private as the file. `keptPath` is a name of this program's own: a link there is replaced by
// the kept file, never followed. `Copy` always copies: for a file that will be written in place,
// which must not write through a second name.
enum class Keeping { SecondName, Copy };
bool keepFileAs(const QString &path, const QString &keptPath, QString *error, Keeping keeping = Keeping::SecondName);

// Makes a rename or a new name in the folder last through a power cut (where it can be opened).
void syncFolder(const QString &folder);

// Removes what an interrupted save of the file at `path` (itself, not where a link there leads)
// left beside it: regular files of this program's own, at the names it gives its new files.
// Anything else at such a name is left alone. Call only while no other save into the folder can
// run (see RecordsLock).
void removeLeftovers(const QString &path);
