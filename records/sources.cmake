target_sources(quov_game_records PRIVATE
  records/player_records.cpp
  records/record_keeper.cpp
  records/options_screen.cpp
  records/return_texts.cpp
  records/series_store.cpp
  records/save_notice.cpp
  records/game_recorder.cpp
  records/history_ledger.cpp
  records/history_meters.cpp
  records/game_recall.cpp
  records/history_export.cpp
  records/play_statistics.cpp
  records/history_blocks.cpp
)
