#include "desktop/sound/sound_module.h"

#include <type_traits>

#include "desktop/sound/qt_sound.h"

extern "C" [[gnu::visibility("default")]] quov::Sound* quov_new_desktop_sound(const char* soundFont,
                                                                              const char* cacheFolder) {
  return new quov::QtSound(soundFont, cacheFolder);
}

// The module's one entry must have the type its loader calls it by.
static_assert(std::is_same_v<decltype(&quov_new_desktop_sound), quov::SoundModuleFactory>);
