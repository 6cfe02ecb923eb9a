target_sources(quov_rules PRIVATE
  engine/rules/money.cpp
  engine/rules/reels.cpp
  engine/rules/paytable.cpp
  engine/rules/spin_down.cpp
  engine/rules/win_meter.cpp
  engine/rules/free_spins.cpp
  engine/rules/jackpot.cpp
  engine/rules/gamble.cpp
  engine/rules/base_game.cpp
  engine/rules/expected_return.cpp
)
# The hot loops of the rules: every stop of the five reels counted, and
# presses played to estimate the free spins' return.
set_source_files_properties(engine/rules/base_game.cpp engine/rules/expected_return.cpp
  PROPERTIES COMPILE_OPTIONS -O3)
