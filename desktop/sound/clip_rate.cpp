#include "desktop/sound/clip_rate.h"

#include <soxr.h>

#include <cmath>

namespace quov {

std::shared_ptr<const PcmClip> atRate(std::shared_ptr<const PcmClip> clip, int rate) {
  if (!clip || clip->rate <= 0 || rate <= 0) return nullptr;
  if (clip->rate == rate || clip->samples.empty()) return clip;
  auto out = std::make_shared<PcmClip>();
  out->rate = rate;
  // The clip keeps its length: as many output frames as it lasts.
  const auto frames = static_cast<std::size_t>(std::llround(
      static_cast<double>(clip->samples.size()) * rate / clip->rate));
  out->samples.resize(frames);
  const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
  const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
  std::size_t done = 0;
  const soxr_error_t error =
      soxr_oneshot(clip->rate, rate, 1, clip->samples.data(), clip->samples.size(), nullptr,
                   out->samples.data(), frames, &done, &io, &quality, nullptr);
  if (error) return nullptr;
  out->samples.resize(done);
  out->samples.resize(frames, 0.0F);
  return out;
}

}  // namespace quov
