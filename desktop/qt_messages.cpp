#include "desktop/qt_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace quov {

namespace {

bool usable(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

// The box stands over the window the player is using: the active one, else
// the cabinet, else any window of the game that is shown and takes input.
QWidget* ownerFor(QWidget* cabinet) {
  if (QWidget* active = QApplication::activeWindow(); usable(active)) return active;
  if (usable(cabinet)) return cabinet;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (usable(w)) return w;
  return cabinet;
}

// A lone carriage return breaks the line, as it does in the game's texts.
QString lines(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace

MsgAnswer QtMessages::show(const std::string& text, const std::string& title, MsgIcon icon,
                           MsgButtons buttons, bool defaultNo) {
  // After the end no box opens: its event loop would keep the program alive.
  if (loop_.ended()) {
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return defaultNo ? MsgAnswer::No : MsgAnswer::Yes;
  }
  QMessageBox box(ownerFor(parent_));
  box.setText(lines(text));
  box.setWindowTitle(QString::fromStdString(title));
  switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Critical:
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
  }
  if (buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  loop_.holdTicks(true);
  const int answer = box.exec();
  loop_.holdTicks(false);
  loop_.syncClock();
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

}  // namespace quov
