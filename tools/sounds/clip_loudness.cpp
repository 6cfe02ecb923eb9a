#include "tools/sounds/clip_loudness.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace quov::sounds {

namespace {

// The loudest 400 ms of each clip, in LUFS. The win clips stand in the
// order of the smallest win each one announces, half a unit apart.
constexpr std::array<std::pair<Clip, double>, 27> kTargets = {{
    // Buttons and the machine at work.
    {Clip::MenuClick, -29.0},
    {Clip::Spare, -27.0},
    {Clip::Click, -26.0},
    {Clip::ReelStop, -24.0},
    {Clip::SpinStart, -22.0},
    {Clip::NoMoney, -21.0},
    {Clip::ScatterReel1, -20.0},
    {Clip::ScatterReel2, -20.0},
    {Clip::ScatterReel3, -20.0},
    {Clip::ScatterReel4, -20.0},
    {Clip::ScatterReel5, -20.0},
    // Wins, smallest first.
    {Clip::WinBlip, -20.0},
    {Clip::Welcome, -19.5},
    {Clip::WinBlack, -19.0},
    {Clip::WinRed, -18.5},
    {Clip::GambleCollect, -18.0},
    {Clip::WinBells, -17.5},
    {Clip::WinBellsRising, -17.0},
    {Clip::WinDiamonds, -16.5},
    {Clip::WinFanfare, -16.0},
    {Clip::BallStep, -15.5},
    {Clip::WinLarge, -15.0},
    {Clip::WinBig, -14.5},
    // Announcements, above every win but the celebration.
    {Clip::FreeSpinsAwarded, -14.0},
    {Clip::JackpotTime, -14.0},
    {Clip::Prize, -14.0},
    // The largest wins.
    {Clip::Celebration, -12.5},
}};

}  // namespace

double loudnessTarget(Clip c) {
  for (const auto& [clip, lufs] : kTargets)
    if (clip == c) return lufs;
  throw std::invalid_argument("no loudness target for clip " + std::to_string(resourceNumber(c)));
}

}  // namespace quov::sounds
