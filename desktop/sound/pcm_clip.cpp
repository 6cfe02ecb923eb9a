#include "desktop/sound/pcm_clip.h"

#include "desktop/sound/wave_data.h"

namespace quov {

std::shared_ptr<const PcmClip> decodeClip(const Bytes& wave) {
  const auto w = readWave(wave);
  if (!w) return nullptr;
  auto clip = std::make_shared<PcmClip>();
  clip->rate = w->rate;
  const std::size_t bytesPerSample = static_cast<std::size_t>(w->bits / 8);
  const std::size_t frameBytes = bytesPerSample * static_cast<std::size_t>(w->channels);
  const std::size_t frames = w->size / frameBytes;
  clip->samples.resize(frames);
  const std::uint8_t* at = wave.data() + w->offset;
  for (std::size_t i = 0; i < frames; ++i) {
    float sum = 0;
    for (int c = 0; c < w->channels; ++c, at += bytesPerSample) {
      if (w->bits == 8)
        sum += (static_cast<float>(at[0]) - 128.0F) / 128.0F;
      else
        sum += static_cast<float>(static_cast<std::int16_t>(at[0] | at[1] << 8)) / 32768.0F;
    }
    clip->samples[i] = sum / static_cast<float>(w->channels);
  }
  return clip;
}

}  // namespace quov
