target_sources(quov_core PRIVATE
  records/player_records.cpp
  records/autosave.cpp
)
