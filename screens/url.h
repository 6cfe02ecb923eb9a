// Opening links: the connection check both information screens make, the
// not-connected notice, and `ExecuteLink`, which opens a link in the
// desktop's own handler under a busy pointer and tells the player when it
// could not.
#pragma once

#include <string>

#include "platform/services.h"

namespace quov {

class Quov;

namespace url {

inline constexpr const char* kNotConnected = "You need to connect your computer to the internet.";
inline constexpr const char* kNotConnectedTitle = "Internet Connection Status";

// Whether the platform reports a connection to the internet.
bool webConnected(Platform& p);
// The main screen comes to the front with the not-connected notice.
void tellNotConnected(Quov& main);
// "mailto:", the project's feedback address, "?subject=Anything you wish".
std::string feedbackLink();
// The link-failure message for `link` and the platform's error number.
std::string failureText(const std::string& link, int error);

void ExecuteLink(Platform& p, const std::string& link);

}  // namespace url
}  // namespace quov
