target_sources(quov_game_sound PRIVATE
  sound/sounds.cpp
)
