#include "platform/qt/qt_messages.h"

#include <QMessageBox>

namespace quov {

MsgAnswer QtMessages::show(const std::string& text, const std::string& title, MsgIcon icon,
                           MsgButtons buttons, bool defaultNo) {
  QMessageBox box(parent_);
  box.setText(QString::fromStdString(text));
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
