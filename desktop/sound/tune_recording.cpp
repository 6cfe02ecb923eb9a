#include "desktop/sound/tune_recording.h"

#include <fluidsynth.h>
#include <pthread.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

#include "desktop/files/safe_files.h"
#include "mainscreen/timing.h"

namespace quov {

namespace {
// As loud as the middle of the win clips while it plays: heard all through
// the series, yet the wins still stand out above it.
constexpr double kGain = 1.4;
// Enough voices that no ringing note of the tune is cut for a new one.
constexpr int kPolyphony = 64;
// FluidSynth's own block: its MIDI player moves on at these steps, so a
// pass of the tune starts on one of them.
constexpr int kBlock = 64;
// How much of the second pass is kept, in seconds: by then the notes left
// ringing from the end of the first have died away (under -60 dB of the
// tune).
constexpr double kRingSeconds = timing::kTuneRingKept / 1000.0;
// The last frames of the kept second pass blend into the first pass's,
// so the jump back to `loopStart` is without a step.
int joinFrames(int rate) { return timing::kTuneLoopJoin * rate / 1000; }
// A tune's MIDI file is a few kilobytes.
constexpr qint64 kMaxTuneBytes = 1 << 20;

// The cache file: this header, then the frames as little-endian samples.
constexpr char kMagic[8] = {'Q', 'U', 'O', 'V', 'T', 'U', 'N', 'E'};
constexpr qint64 kHeaderBytes = 24;  // the magic, the length, the loop start
constexpr char kCachePrefix[] = "quovspin-";
constexpr char kCacheSuffix[] = ".pcm";

// FluidSynth fills its shared tables and default modulators when the first
// synthesiser of the process is made, and a second one made on another
// thread meanwhile does not wait for it: it copies half-made modulators and
// plays differently for the rest of its life. Synthesisers are made one at a
// time.
std::mutex synthesiserBirth;

std::int16_t toSample(float v) {
  return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0F, 1.0F) * 32767.0F));
}

// A synthesiser with the sound font, a player with the tune, freed together.
struct Synthesiser {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  ~Synthesiser() {
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
  }
  // The tune from its start, looping as the game's player always has.
  bool start(const std::string& soundFont, const QByteArray& tune, int rate) {
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
      fluid_set_log_function(level, nullptr, nullptr);
    settings = new_fluid_settings();
    if (!settings) return false;
    fluid_settings_setnum(settings, "synth.sample-rate", rate);
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
    // Only the instruments the tune plays are read (and decompressed) from
    // the font: the whole of it would take seconds and far more memory.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    {
      const std::lock_guard born(synthesiserBirth);
      synth = new_fluid_synth(settings);
    }
    if (!synth || fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) return false;
    player = new_fluid_player(synth);
    if (!player ||
        fluid_player_add_mem(player, tune.constData(), static_cast<std::size_t>(tune.size())) != FLUID_OK)
      return false;
    fluid_player_set_loop(player, -1);
    return fluid_player_play(player) == FLUID_OK;
  }
};

QByteArray tuneBytes(const std::string& tune) {
  const FileRead r = readRegularFile(QString::fromStdString(tune), kMaxTuneBytes);
  return r.outcome == FileRead::Outcome::Read ? r.bytes : QByteArray();
}
}  // namespace

TuneRecording::TuneRecording(std::string soundFont, std::string tune, int rate, std::string cacheFolder)
    : soundFont_(std::move(soundFont)),
      tune_(std::move(tune)),
      rate_(rate),
      cacheFolder_(std::move(cacheFolder)),
      maker_([this] { make(); }) {}

TuneRecording::~TuneRecording() {
  stopping_ = true;
  maker_.join();
}

void TuneRecording::make() {
  pthread_setname_np(pthread_self(), "quov-tune");  // its name in the system
  if (readCache()) return;
  if (!render()) {
    failed_.store(true, std::memory_order_release);
    return;
  }
  writeCache();
}

bool TuneRecording::reserve(std::size_t i) {
  const std::size_t s = i / kStretchFrames;
  if (s >= kMaxStretches) return false;
  if (!stretches_[s]) stretches_[s] = std::make_unique<std::int16_t[]>(2 * kStretchFrames);
  return true;
}

void TuneRecording::finish(std::size_t length, std::size_t loopStart) {
  length_ = length;
  loopStart_ = loopStart;
  publish(length);
  complete_.store(true, std::memory_order_release);
}

// The first pass, frame by frame as the looping player plays it, then the
// opening of the second until the first pass's notes have died away.
bool TuneRecording::render() {
  const QByteArray tune = tuneBytes(tune_);
  Synthesiser s;
  if (tune.isEmpty() || !s.start(soundFont_, tune, rate_)) return false;
  const auto ring = static_cast<std::size_t>(kRingSeconds * rate_);
  const auto join = static_cast<std::size_t>(joinFrames(rate_));
  std::vector<float> block(2 * kBlock);
  std::size_t frames = 0, passEnd = 0, end = 0;
  int lastTick = -1;
  while (!stopping_) {
    if (!reserve(frames + kBlock - 1)) {  // longer than any tune: it repeats whole
      if (frames == 0) return false;
      finish(frames, 0);
      return true;
    }
    fluid_synth_write_float(s.synth, kBlock, block.data(), 0, 2, block.data(), 1, 2);
    // The player went back to the tune's first tick within this block.
    const int tick = fluid_player_get_current_tick(s.player);
    if (end == 0 && tick < lastTick) {
      passEnd = frames;
      end = passEnd + ring;
    }
    lastTick = tick;
    for (int i = 0; i < kBlock; ++i, ++frames) {
      if (end != 0 && frames == end) {
        finish(end, ring);
        return true;
      }
      std::int16_t* f = stretches_[frames / kStretchFrames].get() + 2 * (frames % kStretchFrames);
      for (int c = 0; c < 2; ++c) {
        float v = block[static_cast<std::size_t>(2 * i + c)];
        if (end != 0 && frames + join >= end) {
          const float toFirst = static_cast<float>(frames + join + 1 - end) / static_cast<float>(join);
          const float first = static_cast<float>(frame(frames - passEnd)[c]) / 32767.0F;
          v = (1 - toFirst) * v + toFirst * first;
        }
        f[c] = toSample(v);
      }
    }
    publish(frames);
  }
  return false;
}

// The file's name holds everything the frames depend on: a new sound font,
// rate, tune or way of rendering names another file.
std::string TuneRecording::cacheKey() const {
  const QFileInfo font(QString::fromStdString(soundFont_));
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray("quov tune 1 ") + QByteArray::number(rate_) + ' ' + QByteArray::number(kGain) +
               ' ' + QByteArray::number(kPolyphony) + ' ' + QByteArray::number(kRingSeconds) + ' ' +
               QByteArray::number(joinFrames(rate_)) + ' ' + QFile::encodeName(font.absoluteFilePath()) + ' ' +
               QByteArray::number(font.size()) + ' ' +
               QByteArray::number(font.lastModified().toMSecsSinceEpoch()) + ' ');
  hash.addData(tuneBytes(tune_));
  return kCachePrefix + hash.result().toHex().left(24).toStdString() + kCacheSuffix;
}

bool TuneRecording::readCache() {
  if (cacheFolder_.empty()) return false;
  const qint64 most = kHeaderBytes + static_cast<qint64>(4 * kMaxStretches * kStretchFrames);
  const FileRead r = readRegularFile(QString::fromStdString(cacheFolder_ + '/' + cacheKey()), most,
                                     LinkAtPath::Refuse);
  if (r.outcome != FileRead::Outcome::Read || r.bytes.size() < kHeaderBytes ||
      std::memcmp(r.bytes.constData(), kMagic, sizeof kMagic) != 0)
    return false;
  const auto* bytes = reinterpret_cast<const uchar*>(r.bytes.constData());
  const auto length = static_cast<std::size_t>(qFromLittleEndian<quint64>(bytes + 8));
  const auto loopStart = static_cast<std::size_t>(qFromLittleEndian<quint64>(bytes + 16));
  if (length == 0 || loopStart >= length || length > kMaxStretches * kStretchFrames ||
      static_cast<std::size_t>(r.bytes.size() - kHeaderBytes) != 4 * length)
    return false;
  const uchar* at = bytes + kHeaderBytes;
  for (std::size_t i = 0; i < length; ++i, at += 4) {
    reserve(i);
    std::int16_t* f = stretches_[i / kStretchFrames].get() + 2 * (i % kStretchFrames);
    f[0] = qFromLittleEndian<qint16>(at);
    f[1] = qFromLittleEndian<qint16>(at + 2);
  }
  finish(length, loopStart);
  return true;
}

// Written beside the other files of the cache and renamed into place, so a
// reader never sees half of it; recordings of an earlier sound font or tune
// go.
void TuneRecording::writeCache() const {
  if (cacheFolder_.empty() || !complete()) return;
  QByteArray bytes(static_cast<qsizetype>(kHeaderBytes + 4 * static_cast<qint64>(length_)), '\0');
  auto* at = reinterpret_cast<uchar*>(bytes.data());
  std::memcpy(at, kMagic, sizeof kMagic);
  qToLittleEndian<quint64>(length_, at + 8);
  qToLittleEndian<quint64>(loopStart_, at + 16);
  at += kHeaderBytes;
  for (std::size_t i = 0; i < length_; ++i, at += 4) {
    qToLittleEndian<qint16>(frame(i)[0], at);
    qToLittleEndian<qint16>(frame(i)[1], at + 2);
  }
  const QString folder = QString::fromStdString(cacheFolder_);
  const QString name = QString::fromStdString(cacheKey());
  if (!replaceFile(folder, name, bytes, false).isEmpty()) return;
  const QStringList patterns{QString::fromLatin1(kCachePrefix) + '*' + QString::fromLatin1(kCacheSuffix)};
  for (const QString& old : QDir(folder).entryList(patterns, QDir::Files | QDir::System))
    if (old != name) QFile::remove(folder + '/' + old);
}

}  // namespace quov
