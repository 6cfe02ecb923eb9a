// The settings' INI text, read and written by QSettings exactly as it reads
// and writes its own files, but to and from memory: the store does its own
// file handling and gives QSettings only private scratch files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

namespace quov {

// Values by QSettings key ("player1/bank").
using IniValues = QVariantMap;

// The values an INI text holds; a damaged text yields what could be read.
// False (with `error`) only when no scratch file could be made.
bool parseIni(const QByteArray& text, IniValues& values, QString& error);
// The INI text of `values`; false (with `error`) when it could not be made.
bool formatIni(const IniValues& values, QByteArray& text, QString& error);

}  // namespace quov
