target_sources(quov_core PRIVATE
  engine/money.cpp
  engine/quov.cpp
  engine/quov_layout.cpp
  engine/spin_cycle.cpp
  engine/reels.cpp
  engine/finishspin.cpp
  engine/win_meter.cpp
  engine/free_spins.cpp
  engine/wild_animations.cpp
  engine/jackpot.cpp
  engine/gamble.cpp
  engine/headless_machine.cpp
)
