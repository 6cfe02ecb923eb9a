target_sources(quov_game PRIVATE
  mainscreen/quov.cpp
  mainscreen/layout.cpp
)
