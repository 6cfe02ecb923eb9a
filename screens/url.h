// Opening links: the addresses the build gave the game, the connection
// check both information screens make before a web address, the
// not-connected notice, `ExecuteLink`, which opens a link in the desktop's
// own handler under a busy pointer and tells the player when it could not,
// and the pages installed with the game, opened the same way.
#pragma once

#include <string>

#include "platform/services.h"
#include "screens/project.h"

namespace quov {

class Quov;

namespace url {

inline constexpr const char* kNotConnected = "You need to connect your computer to the internet.";
inline constexpr const char* kNotConnectedTitle = "Internet Connection Status";

// The addresses the build gave the game; an empty one is none, and the
// game then never opens an address in its place.
struct ProjectLinks {
  std::string homePage = project::kHomePage;
  std::string feedbackAddress = project::kFeedbackAddress;
  std::string pretendMoneyLink = project::kPretendMoneyLink;
};

// The pages installed with the game.
inline constexpr const char* kHelpPage = "help.html";
inline constexpr const char* kLicencePage = "LICENSE";

// Whether the platform reports a connection to the internet.
bool webConnected(Platform& p);
// The main screen comes to the front with the not-connected notice.
void tellNotConnected(Quov& main);
// "mailto:", the feedback address, "?subject=Anything you wish".
std::string feedbackLink(const std::string& address);
// The link-failure message for `link` and the platform's error number.
std::string failureText(const std::string& link, int error);

void ExecuteLink(Platform& p, const std::string& link);

// Opens a page installed with the game (at `section`, when given) through
// `ExecuteLink`; a local file needs no connection. When the page is not
// there the player is told so and nothing opens.
void openShippedPage(Platform& p, const std::string& page, const std::string& section = "");
std::string notShippedText(const std::string& page);

}  // namespace url
}  // namespace quov
