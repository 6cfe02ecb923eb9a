target_sources(quov_game PRIVATE
  records/player_records.cpp
  records/autosave.cpp
)
