#include "tests/qt/audio/monitor_recorder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quov::test {

namespace {
constexpr auto kSampleTime = std::chrono::duration<double>(1.0 / MonitorRecorder::kRate);
}

MonitorRecorder::MonitorRecorder(int channels) : channels_(channels) {
  const std::string channelsArgument = "--channels=" + std::to_string(channels);
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execlp("parec", "parec", "--device=quovtest.monitor", "--raw", "--format=s16le", "--rate=44100",
           channelsArgument.c_str(), "--latency-msec=10", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  if (pid_ < 0) {
    close(pipeEnds[0]);
    return;
  }
  reader_ = std::thread([this, fd = pipeEnds[0]] { read(fd); });
}

MonitorRecorder::~MonitorRecorder() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  if (reader_.joinable()) reader_.join();
}

void MonitorRecorder::read(int fd) {
  const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels_);
  std::vector<std::uint8_t> bytes(8192);
  std::size_t have = 0;  // bytes of a frame not yet whole, left from the last read
  for (;;) {
    const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n <= 0) break;
    const auto arrived = Clock::now();
    have += static_cast<std::size_t>(n);
    const std::size_t whole = have - have % frameBytes;
    Chunk c{arrived, std::vector<std::int16_t>(whole / 2)};
    for (std::size_t i = 0; i < c.samples.size(); ++i)
      c.samples[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(whole),
              bytes.begin() + static_cast<std::ptrdiff_t>(have), bytes.begin());
    have -= whole;
    std::lock_guard lock(mutex_);
    chunks_.push_back(std::move(c));
  }
  close(fd);
}

template <typename F>
void MonitorRecorder::each(Clock::time_point from, Clock::time_point to, F&& f) const {
  const auto channels = static_cast<std::size_t>(channels_);
  std::lock_guard lock(mutex_);
  for (const Chunk& c : chunks_) {
    // The chunk's last frame arrived with it; the ones before it are
    // earlier by a sample time each.
    const auto n = c.samples.size() / channels;
    const auto start = c.arrived - std::chrono::duration_cast<Clock::duration>(kSampleTime * n);
    if (c.arrived < from || start >= to) continue;
    for (std::size_t i = 0; i < n; ++i) {
      const auto t = start + std::chrono::duration_cast<Clock::duration>(kSampleTime * (i + 1));
      if (t < from || t >= to) continue;
      for (std::size_t k = 0; k < channels; ++k) f(t, c.samples[i * channels + k]);
    }
  }
}

std::vector<std::vector<float>> MonitorRecorder::samples(Clock::time_point from, Clock::time_point to) const {
  std::vector<std::vector<float>> out(static_cast<std::size_t>(channels_));
  std::size_t next = 0;  // the channel of the next sample
  each(from, to, [&](Clock::time_point, std::int16_t s) {
    out[next].push_back(static_cast<float>(s) / 32768.0F);
    next = (next + 1) % out.size();
  });
  return out;
}

MonitorRecorder::Span MonitorRecorder::heard(Clock::time_point from, Clock::time_point to) const {
  Span span;
  each(from, to, [&span](Clock::time_point t, std::int16_t s) {
    if (std::abs(s) <= kSilence) return;
    if (!span.heard) span.first = t;
    span.heard = true;
    span.last = t;
  });
  return span;
}

std::optional<Clock::time_point> MonitorRecorder::firstArrival(Clock::time_point t) const {
  std::lock_guard lock(mutex_);
  for (const Chunk& c : chunks_)
    if (c.arrived > t &&
        std::any_of(c.samples.begin(), c.samples.end(), [](std::int16_t s) { return std::abs(s) > kSilence; }))
      return c.arrived;
  return std::nullopt;
}

double MonitorRecorder::energy(Clock::time_point from, Clock::time_point to) const {
  double sum = 0;
  each(from, to, [&](Clock::time_point, std::int16_t s) {
    const double v = static_cast<double>(s) / 32768.0;
    sum += v * v;
  });
  return sum / kRate;
}

double MonitorRecorder::soundingShare(Clock::time_point from, Clock::time_point to,
                                      std::chrono::milliseconds window) const {
  int slices = 0, sounding = 0;
  for (auto at = from; at + window <= to; at += window) {
    ++slices;
    if (heard(at, at + window).heard) ++sounding;
  }
  return slices ? static_cast<double>(sounding) / slices : 0.0;
}

int MonitorRecorder::bursts(Clock::time_point from, Clock::time_point to,
                            std::chrono::milliseconds gap) const {
  int count = 0;
  Clock::time_point lastSound{};
  each(from, to, [&](Clock::time_point t, std::int16_t s) {
    if (std::abs(s) <= kSilence) return;
    if (count == 0 || t - lastSound >= gap) ++count;
    lastSound = t;
  });
  return count;
}

bool MonitorRecorder::waitFor(Clock::time_point t, std::chrono::seconds limit) const {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    {
      std::lock_guard lock(mutex_);
      if (!chunks_.empty() && chunks_.back().arrived > t) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

bool MonitorRecorder::waitForSilence(std::chrono::milliseconds quiet, std::chrono::seconds limit) const {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    const auto now = Clock::now();
    if (waitFor(now) && !heard(now - quiet, now).heard && waitFor(now - quiet)) {
      // Only trust a quiet stretch once recording covers all of it.
      std::lock_guard lock(mutex_);
      if (!chunks_.empty() && chunks_.front().arrived < now - quiet) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

int serverStreams() {
  FILE* list = popen("pactl list short sink-inputs", "r");
  if (!list) return -1;
  int lines = 0;
  for (int c; (c = std::fgetc(list)) != EOF;)
    if (c == '\n') ++lines;
  return pclose(list) == 0 ? lines : -1;
}

}  // namespace quov::test
