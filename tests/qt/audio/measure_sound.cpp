// Measurements of the desktop sound (not a test), run against the test
// audio server (measure_sound.sh starts it):
//  - time from a play request to the first sound recorded at the null
//    sink's monitor, with the stream closed (after a silence) and open;
//  - processor time of this process while the free-spin tune plays;
//  - the same scripted session (spins, a series of ten free spins, a
//    jackpot time) with sound on and with sound off.
//   quov_sound_measure [latency] [cpu] [session]   (all by default)
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>

#include "desktop/desktop_machine.h"
#include "desktop/qt_resources.h"
#include "desktop/sound/qt_sound.h"
#include "engine/jackpot.h"
#include "engine/spin_cycle.h"
#include "engine/win_meter.h"
#include "tests/engine/outcomes.h"
#include "tests/qt/audio/monitor_recorder.h"

namespace {

using quov::test::Clock;
using quov::test::MonitorRecorder;
using std::chrono::milliseconds;
using std::chrono::seconds;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto s = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return s(u.ru_utime) + s(u.ru_stime);
}

// What the threads that play the sound have used so far: the audio thread
// and the audio server client's own thread (the helper that makes the
// tune's recording is not one of them). Their processor seconds, and how
// often each went to sleep and was woken again.
struct SoundThreads {
  double audioSeconds = 0, clientSeconds = 0;
  double audioWakes = 0, clientWakes = 0;
  SoundThreads operator-(const SoundThreads& o) const {
    return {audioSeconds - o.audioSeconds, clientSeconds - o.clientSeconds, audioWakes - o.audioWakes,
            clientWakes - o.clientWakes};
  }
  double seconds() const { return audioSeconds + clientSeconds; }
};

SoundThreads soundThreads() {
  SoundThreads t;
  const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
  for (const QString& tid : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString folder = "/proc/self/task/" + tid;
    QFile comm(folder + "/comm"), stat(folder + "/stat"), status(folder + "/status");
    if (!comm.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly) ||
        !status.open(QIODevice::ReadOnly))
      continue;
    const QByteArray name = comm.readAll().trimmed();
    const bool audio = name == "quov-audio";
    if (!audio && name != "threaded-ml") continue;
    // Fields after the command's closing parenthesis: utime and stime are the 12th and 13th.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double seconds = (fields.value(11).toDouble() + fields.value(12).toDouble()) / tick;
    double wakes = 0;
    for (const QByteArray& entry : status.readAll().split('\n'))
      if (entry.startsWith("voluntary_ctxt_switches:")) wakes = entry.mid(entry.indexOf(':') + 1).trimmed().toDouble();
    (audio ? t.audioSeconds : t.clientSeconds) += seconds;
    (audio ? t.audioWakes : t.clientWakes) += wakes;
  }
  return t;
}

// The sound threads' share of a core over `wall` seconds, and the audio
// thread's and the server client's parts of it.
void printThreads(const SoundThreads& used, double wall) {
  std::printf("%.2f %% in the sound threads (audio thread %.2f %%, %.0f wake-ups a second; server client %.2f %%, "
              "%.0f wake-ups a second)",
              100 * used.seconds() / wall, 100 * used.audioSeconds / wall, used.audioWakes / wall,
              100 * used.clientSeconds / wall, used.clientWakes / wall);
}

void printSpread(const char* what, std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::printf("%s: median %.1f ms, min %.1f, max %.1f (%zu requests)\n", what, v[v.size() / 2],
              v.front(), v.back(), v.size());
}

// Request to the arrival of the first recorded sound, for the button click:
// an upper bound of the time to the sink, as it includes the way back
// through the monitor and parec (fragments of 10 ms).
double latency(quov::QtSound& sound, const quov::Bytes& click, const MonitorRecorder& recorder) {
  const auto asked = Clock::now();
  sound.playClip(130, &click, quov::ClipMode::Play);
  std::this_thread::sleep_for(milliseconds(400));
  recorder.waitFor(asked + milliseconds(400));
  const auto arrived = recorder.firstArrival(asked);
  return arrived ? ms(*arrived - asked) : -1;
}

void measureLatency(const MonitorRecorder& recorder) {
  quov::QtSound sound;
  const quov::Bytes click = quov::QtResources().load("WAVE", "RESOURCE_ID_130");
  std::vector<double> closed, open;
  for (int i = 0; i < 5; ++i) {
    recorder.waitForSilence(milliseconds(3500));  // the stream has closed
    closed.push_back(latency(sound, click, recorder));
  }
  for (int i = 0; i < 20; ++i) open.push_back(latency(sound, click, recorder));
  printSpread("request to first sound arriving from the monitor, stream closed", closed);
  printSpread("request to first sound arriving from the monitor, stream open", open);
}

// Processor time over 20 s of the tune, from 2 s after it was asked for.
void tuneCpu(quov::QtSound& sound, const std::string& file, const MonitorRecorder& recorder,
             const char* what) {
  sound.mediaCommand("open " + file + " type sequencer alias quovspin");
  sound.mediaCommand("play quovspin ");
  std::this_thread::sleep_for(seconds(2));  // its opening is there
  const auto start = Clock::now();
  const double cpu = cpuSeconds();
  const SoundThreads threads = soundThreads();
  std::this_thread::sleep_for(seconds(20));
  const double used = cpuSeconds() - cpu;
  const SoundThreads threadsUsed = soundThreads() - threads;
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  recorder.waitFor(Clock::now());
  std::printf("processor time while the tune plays, %s: %.2f %% of a core in all, ", what, 100 * used / wall);
  printThreads(threadsUsed, wall);
  std::printf(" (sound in %.0f %% of 250 ms slices)\n",
              100 * recorder.soundingShare(start, start + seconds(20), milliseconds(250)));
  sound.mediaCommand("close quovspin");
}

void measureTuneCpu(const MonitorRecorder& recorder) {
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/quovspin.midi").toStdString();
  const quov::Bytes midi = quov::QtResources().load("MIDI", "1");
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(midi.data()), static_cast<std::streamsize>(midi.size()));
  const std::string cache = dir.path().toStdString();
  {
    quov::QtSound sound(QUOV_SOUNDFONT, cache);
    recorder.waitForSilence(milliseconds(3500));  // the stream has closed
    const double idleCpu = cpuSeconds();
    std::this_thread::sleep_for(seconds(5));
    std::printf("processor time with nothing playing (recording included): %.2f %% of a core\n",
                (cpuSeconds() - idleCpu) / 5 * 100);
    const quov::Bytes celebration = quov::QtResources().load("WAVE", "RESOURCE_ID_140");
    sound.playClip(140, &celebration, quov::ClipMode::Play);
    std::this_thread::sleep_for(seconds(1));
    const double clipCpu = cpuSeconds();
    const SoundThreads clipThreads = soundThreads();
    std::this_thread::sleep_for(seconds(10));
    std::printf("processor time while a clip plays: %.2f %% of a core in all, ", (cpuSeconds() - clipCpu) / 10 * 100);
    printThreads(soundThreads() - clipThreads, 10);
    std::printf("\n");
    sound.playClip(0, nullptr, quov::ClipMode::Stop);
    tuneCpu(sound, file, recorder, "the first time (its recording made meanwhile)");
  }
  // A new run of the program: the recording is read from the cache.
  quov::QtSound sound(QUOV_SOUNDFONT, cache);
  tuneCpu(sound, file, recorder, "from its kept recording");
}

// Spins, a series of ten free spins with its collect, a jackpot time and
// a last spin; returns its length in seconds.
double session(bool soundOn) {
  using quov::testing::findStops;
  using quov::testing::Outcome;
  QTemporaryDir dir;
  qputenv("XDG_CACHE_HOME", (dir.path() + "/cache").toUtf8());
  QDir().mkpath(dir.path() + "/config");
  QFile ini(dir.path() + "/config/quovslot.ini");
  if (!ini.open(QIODevice::WriteOnly)) return -1;
  ini.write(QByteArray("[player1]\nbank=100000\nmachinepay=1\nreelspeed=1\nsoundonoff=") +
            (soundOn ? "-1" : "0") + "\n");
  ini.close();
  quov::DesktopMachine m(dir.path() + "/config");
  m.start();
  QTest::qWait(300);
  auto& q = m.quov;
  bool onScript = true;
  auto waitFor = [&onScript](const std::function<bool()>& done, int limitMs) {
    onScript = QTest::qWaitFor(done, limitMs) && onScript;
  };
  auto push = [&m](const quov::testing::Stops& s) {
    for (int v : s) m.random.push(v);
  };
  auto& engine = m.cabinet.engine;
  auto settled = [&q, &engine] {
    return q.inputAllowed() && q.tmrtick.enabled() && q.freespinmode == 0 && !q.Timerrespin.enabled() &&
           !q.Timerwincounter.enabled() && !engine.jackpot().running();
  };
  auto spin = [&](const quov::testing::Stops& s) {
    m.random.push(2);
    push(s);
    engine.spinCycle().btnstartall_click();
    waitFor(settled, 120000);
  };
  const auto lose = *findStops(25, quov::testing::losing);
  const auto win = *findStops(25, quov::testing::plainLineWin);
  const auto trigger = *findStops(
      25, [](const Outcome& o) { return o.readout.scattercount == 3 && quov::testing::noWild(o); });

  const auto start = Clock::now();
  spin(lose);
  spin(win);
  m.random.push(2);
  push(trigger);
  for (int k = 0; k < 10; ++k) {
    push(lose);
    m.random.push({25, 1});
  }
  engine.spinCycle().btnstartall_click();
  waitFor([&q] { return q.takewin.visible && q.takewin.enabled; }, 600000);
  engine.winMeter().takewin_click();
  waitFor(settled, 120000);
  m.random.push({1, 3, 9});  // jackpot time, the ball from cell 3 to cell 9
  engine.spinCycle().btnstartall_click();
  waitFor(settled, 120000);
  spin(lose);
  const double length = std::chrono::duration<double>(Clock::now() - start).count();
  if (!onScript || m.random.pending() != 0) {
    std::printf("the session did not run as scripted (%zu draws left)\n", m.random.pending());
    return -1;
  }
  m.canvas.close();
  return length;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quov-measure"));
  MonitorRecorder recorder;
  if (!recorder.running()) return 1;
  // Parts by name ("latency", "cpu", "session"); all of them by default.
  auto wanted = [argc, argv](const char* part) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
      if (std::strcmp(argv[i], part) == 0) return true;
    return false;
  };
  if (wanted("latency")) measureLatency(recorder);
  if (wanted("cpu")) measureTuneCpu(recorder);
  if (!wanted("session")) return 0;
  const double on = session(true), off = session(false);
  std::printf("scripted session (3 spins, 10 free spins and collect, jackpot time): "
              "%.1f s with sound on, %.1f s with sound off (%+.1f %%)\n",
              on, off, 100 * (on - off) / off);
  return 0;
}
