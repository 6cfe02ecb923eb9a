target_sources(quov_game_cabinet PRIVATE
  cabinet/cabinet.cpp
  cabinet/startup.cpp
  cabinet/controls.cpp
  cabinet/menu.cpp
  cabinet/control_keys.cpp
  cabinet/announcer.cpp
  cabinet/screen_reading.cpp
)
