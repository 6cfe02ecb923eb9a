#include "records/save_notice.h"

#include <algorithm>

#include "mainscreen/quov.h"

namespace quov {

std::string unreadableNotice(const std::string& unreadable) {
  // The folder is the one the README names; the line has room for the name.
  std::string shortened;
  std::size_t start = 0;
  while (start <= unreadable.size()) {
    const std::size_t end = std::min(unreadable.find(' ', start), unreadable.size());
    const std::string word = unreadable.substr(start, end - start);
    const std::size_t slash = word.rfind('/');
    shortened += slash == std::string::npos ? word : word.substr(slash + 1);
    if (end < unreadable.size()) shortened += ' ';
    start = end + 1;
  }
  return kUnreadableNoticeStart + shortened + kUnreadableNoticeEnd;
}

SaveNotice::SaveNotice(Quov& q) {
  savenotice.name = "savenotice";
  savenotice.kind = ElementKind::Label;
  savenotice.left = 1022;
  savenotice.top = 760;
  savenotice.width = 10039;
  savenotice.height = 390;
  savenotice.visible = false;
  q.screen.addBeneath(savenotice, q.panelbank);
}

void SaveNotice::follow(const SettingsStore& records, const GameHistory& history) {
  // Nearly always neither fails: two plain questions, no health copied.
  const bool recordsFailing = records.failingNow();
  const bool historyFailing = history.failingNow();
  if (recordsFailing) {
    const std::string unreadable = records.health().unreadable;
    savenotice.setCaption(unreadable.empty() ? std::string(kSaveNoticeText)
                                               : unreadableNotice(unreadable));
  } else if (historyFailing) {
    savenotice.setCaption(kHistoryNoticeText);
  }
  savenotice.setVisible(recordsFailing || historyFailing);
}

}  // namespace quov
