target_sources(quov_rules PRIVATE
  rules/money.cpp
  rules/reels.cpp
  rules/paytable.cpp
  rules/spin_down.cpp
  rules/win_meter.cpp
  rules/free_spins.cpp
  rules/jackpot.cpp
  rules/gamble.cpp
  rules/base_game.cpp
  rules/expected_return.cpp
)
# The hot loops of the rules: every stop of the five reels counted, and
# presses played to estimate the free spins' return.
set_source_files_properties(rules/base_game.cpp rules/expected_return.cpp
  PROPERTIES COMPILE_OPTIONS -O3)
