// Every interval and pause of the machine, of its desktop settings store,
// game history and sound, in milliseconds.
#pragma once

namespace quov::timing {

// Timer intervals of the main screen.
inline constexpr int kTick = 50;              // tmrtick, the idle ticker
inline constexpr int kRespin = 200;           // Timerrespin, starts each free spin
inline constexpr int kScatters = 100;         // Timerscatters
inline constexpr int kWildAnimation = 100;    // Timer4 and timerwild
inline constexpr int kWinCounter = 50;        // Timerwincounter
inline constexpr int kBell = 100;             // tmrbell, the jackpot board's slide-in
inline constexpr int kDecideJackpot = 100;    // tmrdecidejackpot, base interval
inline constexpr int kDecideSlowdown = 100;   // added per slowing step
inline constexpr int kShowJackpot = 200;      // tmrshowjackpot
inline constexpr int kAutospin = 800;         // tmrautospin
inline constexpr int kShowButtons = 200;      // tmrshowbuttons
inline constexpr int kLineFlash = 100;        // tmrlineflash

// Pauses that block the thread.
inline constexpr int kFrameExtra = 10;          // each spin-down frame sleeps pause + this
inline constexpr int kJackpotAnnounce = 2000;   // before jackpot time starts
inline constexpr int kJackpotBellStart = 200;
inline constexpr int kJackpotPrizeHold = 4000;  // after the ball stops
inline constexpr int kCardRevealFrame = 50;
inline constexpr int kGambleLossHold = 3000;
inline constexpr int kLineFlashPause = 150;
// Slides drawn as a few dozen frames, each followed by a short pause so the
// window repaints: the queen walking across at a free-spin award, and the
// gamble's WIN and LOSE banners.
inline constexpr int kQueenSlideFrames = 40;
inline constexpr int kQueenSlideFramePause = 20;
inline constexpr int kBannerSlideFrames = 24;
inline constexpr int kBannerSlideFramePause = 15;

// Ticks.
inline constexpr int kFreeSpinHoldTicks = 30;  // a free spin's result holds 31 ticks
inline constexpr int kRespinIdleTicks = 60;    // idle ticks before a free spin starts
inline constexpr int kJackpotShowTicks = 29;
// tmrtick ticks into jackpot time at which the board starts sliding in and
// comes to rest.
inline constexpr int kBoardSlideStartTicks = 30;
inline constexpr int kBoardSlideEndTicks = 50;
inline constexpr int kAutoplayFirstPause = 20;  // autoplay's pause until an evaluation sets one

// The desktop settings store, which saves on a thread of its own.
inline constexpr int kStoreLockWait = 5;          // longest wait for the lock file
inline constexpr int kStoreStaleLock = 10000;     // a live owner's lock is stale after this
inline constexpr int kStoreRetryFirst = 500;      // a failed save is tried again after this,
inline constexpr int kStoreRetryLongest = 16000;  // doubling up to this

// The desktop game history, which writes what the file refused on a thread
// of its own.
inline constexpr int kHistoryRetryFirst = 500;      // a refused record is tried again after this,
inline constexpr int kHistoryRetryLongest = 16000;  // doubling up to this
inline constexpr int kHistoryExitWait = 2000;       // longest the exit waits for the file
inline constexpr int kHistoryExitRetry = 50;        // between the exit's tries

// The statistics window looks for games played since it drew its charts
// this often.
inline constexpr int kChartsRefresh = 1000;

// The desktop sound, which plays on a thread of its own into a stream of
// the audio server.
inline constexpr int kAudioQueue = 40;        // sound queued ahead in the audio server, at the most
// The queue is topped up this often, and at once on a request; in between
// the audio thread sleeps. The queue runs down by this much before the
// next top-up: the longer it is, the less often the thread (and the server
// client's with it) wakes, but the less of the queue is left for a late
// wake-up on a busy machine. A clip asked for starts after what is queued.
inline constexpr int kAudioTopUp = 20;
// A stream the sound opens starts with this much silence. When a new stream
// starts, the server takes back the last few milliseconds it had already
// played ahead for it, to mix its start in at once; the speakers hear what
// replaces them, but a recording of the output (the sink's monitor) has had
// them already and drops what comes in their place: a clip's first
// milliseconds. Silence there loses nothing.
inline constexpr int kAudioLeadIn = 20;
inline constexpr int kAudioCloseAfter = 3000; // of silence, before the stream closes
inline constexpr int kAudioRetry = 5000;      // after the device could not be opened
inline constexpr int kAudioExitTail = 80;     // played on after the last sound at the exit
inline constexpr int kAudioExitWait = 1000;   // the longest the exit waits for sound to end
inline constexpr int kClipFadeOut = 5;        // a clip cut by the next one fades out over this
inline constexpr int kTuneFadeOut = 10;       // the free-spin tune fades out over this when closed
// The tune's recording: how much of its second pass is kept (the notes
// ringing on from the first have died away by then), and the stretch at
// its end that blends into the second pass's opening so the repeat has no
// step.
inline constexpr int kTuneRingKept = 4000;
inline constexpr int kTuneLoopJoin = 10;

}  // namespace quov::timing
