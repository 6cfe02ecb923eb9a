target_sources(quov_game_mainscreen PRIVATE
  mainscreen/quov.cpp
  mainscreen/layout.cpp
)
