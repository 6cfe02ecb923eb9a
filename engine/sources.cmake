target_sources(quov_game_engine PRIVATE
  engine/engine.cpp
  engine/spin_cycle.cpp
  engine/reels.cpp
  engine/spin_down.cpp
  engine/evaluation.cpp
  engine/win_meter.cpp
  engine/free_spins.cpp
  engine/series_record.cpp
  engine/wild_animations.cpp
  engine/jackpot.cpp
  engine/jackpot_board.cpp
  engine/gamble.cpp
  engine/gamble_panel.cpp
)
