target_sources(quov_platform PRIVATE
  platform/timer.cpp
  platform/random.cpp
  platform/history_text.cpp
)
