target_sources(quov_core PRIVATE
  engine/money.cpp
  engine/rules/reels.cpp
  engine/rules/paytable.cpp
  engine/rules/spin_down.cpp
  engine/rules/win_meter.cpp
  engine/rules/free_spins.cpp
  engine/rules/jackpot.cpp
  engine/quov.cpp
  engine/quov_layout.cpp
  engine/spin_cycle.cpp
  engine/reels.cpp
  engine/finishspin.cpp
  engine/win_meter.cpp
  engine/free_spins.cpp
  engine/pending_handlers.cpp
  engine/headless_machine.cpp
)
