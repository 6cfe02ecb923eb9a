// File primitives that never block on, nor write through, whatever stands in
// a file's place. A read takes a regular file only: a named pipe, a device,
// a socket or a folder is refused before it is opened. A write goes to a new
// file beside the target that is then renamed over the target's name, so the
// old content stays whole until the new one is complete and a symbolic link
// planted under the name is replaced, never followed.
#pragma once

#include <QByteArray>
#include <QString>

namespace quov {

// What stands at a path, links followed.
enum class FileKind { Missing, Regular, Other };
FileKind fileKind(const QString& path);

struct FileRead {
  // Refused: not a regular file (never opened); TooLarge: a regular file
  // beyond the limit (never read); Failed: it could not be looked at,
  // opened or read whole.
  enum class Outcome { Read, Missing, Refused, TooLarge, Failed };
  Outcome outcome = Outcome::Missing;
  QByteArray bytes;
  QString error;  // why it was refused or failed
};
// Whether a read goes through a symbolic link standing at the path itself.
enum class LinkAtPath { Follow, Refuse };
// Reads a regular file of at most `maxBytes` bytes. With LinkAtPath::Refuse a
// symbolic link at `path` is refused, never followed.
FileRead readRegularFile(const QString& path, qint64 maxBytes, LinkAtPath link = LinkAtPath::Follow);

// Writes `bytes` as the file `name` of `folder` by way of a new temporary
// file. With `durable` the data and the rename reach the disk before it
// returns. Returns the empty text on success, otherwise what failed.
QString replaceFile(const QString& folder, const QString& name, const QByteArray& bytes,
                    bool durable);

// Renames `from` to `to` inside `folder`; the empty text on success.
QString renameInFolder(const QString& folder, const QString& from, const QString& to);
// Makes the folder's renames durable; the empty text on success.
QString syncFolder(const QString& folder);

// The temporary files `replaceFile` leaves behind when the process dies
// before renaming: the names it uses for `name`.
bool isTemporaryFor(const QString& fileName, const QString& name);

}  // namespace quov
