target_sources(quov_core PRIVATE
  platform/timer.cpp
  platform/random.cpp
  platform/headless/headless_platform.cpp
)
