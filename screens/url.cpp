#include "screens/url.h"

#include "mainscreen/quov.h"

namespace quov::url {

bool webConnected(Platform& p) { return p.links.connected(); }

void tellNotConnected(Quov& main) {
  main.screen.bringToFront();
  main.p.messages.show(kNotConnected, kNotConnectedTitle, MsgIcon::Error, MsgButtons::Ok);
}

std::string feedbackLink(const std::string& address) {
  return "mailto:" + address + "?subject=Anything you wish";
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

std::string notShippedText(const std::string& page) {
  return "The page " + page + " was not installed with this copy of quov.";
}

void openShippedPage(Platform& p, const std::string& page, const std::string& section) {
  const std::string link = p.links.shippedPage(page);
  if (link.empty()) {
    p.messages.show(notShippedText(page), "quov", MsgIcon::Information, MsgButtons::Ok);
    return;
  }
  ExecuteLink(p, section.empty() ? link : link + "#" + section);
}

}  // namespace quov::url
