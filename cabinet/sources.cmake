target_sources(quov_core PRIVATE
  cabinet/startup.cpp
  cabinet/input.cpp
  cabinet/controls.cpp
  cabinet/menu.cpp
)
