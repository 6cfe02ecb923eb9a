target_sources(quov_platform PRIVATE
  platform/timer.cpp
  platform/random.cpp
)
