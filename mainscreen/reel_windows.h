// Where the five reel windows sit on the main screen, in twips: each shows
// three cells of its strip.
#pragma once

namespace quov {

inline constexpr int kReelWindowLeft[6] = {0, 1022, 3049, 5085, 7114, 9165};  // reels 1..5
inline constexpr int kReelWindowTop = 722;
inline constexpr int kReelWindowWidth = 1896;
inline constexpr int kReelWindowHeight = 5644;

}  // namespace quov
