target_sources(quov_game PRIVATE
  sound/sounds.cpp
)
