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
  q.screen
      .addBeneath(q.panelbank, savenotice, "savenotice", ElementKind::Label, 1022, 760, 10039, 390)
      .visible = false;
}

void SaveNotice::follow(const SettingsStore& records, const GameHistory& history) {
  // Nearly always neither fails: two plain questions, no health copied, and
  // the notice stays hidden.
  const bool recordsFailing = records.failingNow();
  if (!recordsFailing && !history.failingNow()) {
    savenotice.hide();
    return;
  }
  showFailure(records, recordsFailing);
}

void SaveNotice::showFailure(const SettingsStore& records, bool recordsFailing) {
  if (recordsFailing) {
    const std::string unreadable = records.health().unreadable;
    savenotice.setCaption(unreadable.empty() ? std::string(kSaveNoticeText)
                                               : unreadableNotice(unreadable));
  } else {
    savenotice.setCaption(kHistoryNoticeText);
  }
  savenotice.show();
}

}  // namespace quov
