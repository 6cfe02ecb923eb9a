#include "desktop/loaded_sound.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

namespace quov {

LoadedSound::LoadedSound(std::string soundFont, std::string cacheFolder)
    : soundFont_(std::move(soundFont)), cacheFolder_(std::move(cacheFolder)) {}

LoadedSound::~LoadedSound() {
  if (loader_.joinable()) loader_.join();
  if (loading_) make();
  sound_.reset();
}

void LoadedSound::playClip(int id, const Bytes* clip, ClipMode mode) {
  if (sound_) return sound_->playClip(id, clip, mode);
  if (made_) return;  // no module: silence
  waiting_.push_back({id, clip ? std::optional<Bytes>(*clip) : std::nullopt, mode, {}});
  startLoading();
}

void LoadedSound::mediaCommand(const std::string& command) {
  if (sound_) return sound_->mediaCommand(command);
  if (made_ || (!loading_ && !command.starts_with("open "))) return;
  waiting_.push_back({0, std::nullopt, ClipMode::Play, command});
  startLoading();
}

std::vector<std::string> LoadedSound::modulePlaces() {
  // Installed, the module stands at a fixed place from the program's folder,
  // and the build puts it at the same place beside the built program.
  std::vector<std::string> places{QCoreApplication::applicationDirPath().toStdString() + "/" +
                                  QUOV_MODULES_FROM_PROGRAM + "/" + QUOV_SOUND_MODULE_NAME};
#ifdef QUOV_BUILT_SOUND_MODULE
  places.push_back(QUOV_BUILT_SOUND_MODULE);  // test programs run from other folders of the build
#endif
  return places;
}

void LoadedSound::startLoading() {
  if (loading_) return;
  loading_ = true;
  loader_ = std::jthread([this, places = modulePlaces()] {
    for (const std::string& place : places) {
      QLibrary module(QString::fromStdString(place));
      module.setLoadHints(QLibrary::PreventUnloadHint);
      factory_ = reinterpret_cast<SoundModuleFactory>(module.resolve(kSoundModuleFactory));
      if (factory_) break;
      failure_ = module.errorString().toStdString();
    }
    QMetaObject::invokeMethod(&receiver_, [this] { make(); }, Qt::QueuedConnection);
  });
}

void LoadedSound::make() {
  if (made_) return;
  if (loader_.joinable()) loader_.join();
  made_ = true;
  loading_ = false;
  if (factory_) sound_.reset(factory_(soundFont_.c_str(), cacheFolder_.c_str()));
  else std::fprintf(stderr, "quov: the game plays without sound: %s\n", failure_.c_str());
  std::vector<Request> waiting;
  waiting.swap(waiting_);
  if (!sound_) return;
  for (const Request& r : waiting) {
    if (r.command.empty()) sound_->playClip(r.id, r.clip ? &*r.clip : nullptr, r.mode);
    else sound_->mediaCommand(r.command);
  }
}

}  // namespace quov
