// A desktop machine whose settings and tune folder live in a fresh
// temporary folder, and helpers to press its elements with the mouse.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "desktop/desktop_machine.h"

namespace quov::test {

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CACHE_HOME", (dir.path() + "/cache").toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
  }
  QString configFolder() const { return dir.path() + "/config"; }
  void writeIni(const QString& app, const QByteArray& text) {
    QDir().mkpath(configFolder());
    QFile f(configFolder() + "/" + app + ".ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  // A value as the store's file holds it now.
  QString fileValue(const QString& app, const QString& key) const {
    const QSettings ini(configFolder() + "/" + app + ".ini", QSettings::IniFormat);
    return ini.value(key).toString();
  }
  // A value of the store's file, once the machine's saving thread has tried
  // what was flushed.
  QString storedValue(const QString& app, const QString& key) {
    machine->store.waitSaved();
    return fileValue(app, key);
  }
  DesktopMachine& start() {
    machine = std::make_unique<DesktopMachine>(configFolder());
    machine->start();
    return *machine;
  }
  // The window point over the centre of `e`.
  QPoint centre(const Element& e) const {
    const ViewMapping view = machine->canvas.mapping();
    const PointF p = view.toWindow(e.screenLeft() + e.width / 2.0, e.screenTop() + e.height / 2.0);
    return QPoint(qRound(p.x), qRound(p.y));
  }
  void clickAt(QPoint at) {
    QTest::mousePress(&machine->canvas, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&machine->canvas, Qt::LeftButton, {}, at);
  }
  void click(const Element& e) { clickAt(centre(e)); }

  QTemporaryDir dir;
  std::unique_ptr<DesktopMachine> machine;
};

}  // namespace quov::test
