#include "records/save_notice.h"

#include "mainscreen/quov.h"

namespace quov {

void SaveNotice::follow(const SaveHealth& records, const SaveHealth& history) {
  if (records.failing)
    q.savenotice.setCaption(kSaveNoticeText);
  else if (history.failing)
    q.savenotice.setCaption(kHistoryNoticeText);
  q.savenotice.setVisible(records.failing || history.failing);
}

}  // namespace quov
