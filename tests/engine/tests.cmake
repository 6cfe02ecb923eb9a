target_sources(quov_tests PRIVATE
  engine/state_test.cpp
  engine/reels_test.cpp
  engine/evaluation_test.cpp
  engine/settlement_test.cpp
  engine/spin_down_test.cpp
  engine/win_meter_test.cpp
  engine/free_spins_test.cpp
  engine/jackpot_test.cpp
  engine/gamble_test.cpp
  engine/line_masks_test.cpp
  engine/soak_test.cpp
)
