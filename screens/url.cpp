#include "screens/url.h"

#include "mainscreen/quov.h"
#include "screens/project.h"

namespace quov::url {

bool webConnected(Platform& p) { return p.links.connected(); }

void tellNotConnected(Quov& main) {
  main.screen.bringToFront();
  main.p.messages.show(kNotConnected, kNotConnectedTitle, MsgIcon::Error, MsgButtons::Ok);
}

std::string feedbackLink() {
  return std::string("mailto:") + project::kFeedbackAddress + "?subject=Anything you wish";
}

std::string failureText(const std::string& link, int error) {
  return "error Opening Link to " + link + "\r\n\r\n" + std::to_string(error);
}

void ExecuteLink(Platform& p, const std::string& link) {
  p.display.setPointer(PointerShape::Busy);
  if (p.links.open(link, "open") == 0) {
    p.display.setPointer(PointerShape::Default);
    p.messages.show(failureText(link, p.links.lastError()), "ExecuteLink", MsgIcon::None,
                    MsgButtons::Ok);
  }
  p.display.setPointer(PointerShape::Default);
}

}  // namespace quov::url
