// The settings' INI text, read from and written to memory in the form
// QSettings reads and writes its INI files: "[section]" headers, "key=value"
// lines, values in quotes where blanks, commas, semicolons or equals signs
// would otherwise be lost, backslash escapes, UTF-8 text, and comma lists.
// No file is touched: the store does its own file handling.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

namespace quov {

// Values by QSettings key ("player1/bank"): a QString, or a QStringList for
// a comma list written by hand.
using IniValues = QVariantMap;

// The values an INI text holds. False, with `error` saying which line and
// why, when the text is not one the store can read whole (not UTF-8, a NUL
// byte, a line that is neither a section, a value nor a comment); `values`
// is then left empty, never a part of the text.
bool parseIni(const QByteArray& text, IniValues& values, QString& error);

// The INI text of `values`.
QByteArray formatIni(const IniValues& values);

}  // namespace quov
