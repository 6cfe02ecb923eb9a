target_sources(quov_game PRIVATE
  cabinet/cabinet.cpp
  cabinet/startup.cpp
  cabinet/controls.cpp
  cabinet/menu.cpp
)
