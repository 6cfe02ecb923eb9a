target_sources(quov_core PRIVATE
  cabinet/startup.cpp
  cabinet/input.cpp
)
