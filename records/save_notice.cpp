#include "records/save_notice.h"

#include "mainscreen/quov.h"

namespace quov {

void SaveNotice::follow(const SaveHealth& health) {
  if (health.failing) q.savenotice.setCaption(kSaveNoticeText);
  q.savenotice.setVisible(health.failing);
}

}  // namespace quov
