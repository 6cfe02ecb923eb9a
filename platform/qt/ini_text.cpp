#include "platform/qt/ini_text.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace quov {

namespace {
// A fresh folder per use: QSettings caches what it read by file name, so a
// name is never given it twice.
bool scratch(QTemporaryDir& dir, QString& error) {
  if (dir.isValid()) return true;
  error = QStringLiteral("no scratch folder for the settings: ") + dir.errorString();
  return false;
}
}  // namespace

bool parseIni(const QByteArray& text, IniValues& values, QString& error) {
  QTemporaryDir dir;
  if (!scratch(dir, error)) return false;
  const QString path = dir.filePath(QStringLiteral("read.ini"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
    error = QStringLiteral("cannot write a scratch file: ") + file.errorString();
    return false;
  }
  file.close();
  const QSettings settings(path, QSettings::IniFormat);
  values.clear();
  for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
  return true;
}

bool formatIni(const IniValues& values, QByteArray& text, QString& error) {
  QTemporaryDir dir;
  if (!scratch(dir, error)) return false;
  const QString path = dir.filePath(QStringLiteral("write.ini"));
  {
    QSettings settings(path, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it) settings.setValue(it.key(), it.value());
    settings.sync();
    if (settings.status() != QSettings::NoError) {
      error = QStringLiteral("cannot write a scratch file in ") + dir.path();
      return false;
    }
  }
  QFile file(path);
  if (values.isEmpty() && !file.exists()) {
    text.clear();
    return true;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot read a scratch file: ") + file.errorString();
    return false;
  }
  text = file.readAll();
  return true;
}

}  // namespace quov
