target_sources(quov_tests PRIVATE
  history/session_test.cpp
  history/ledger_test.cpp
  history/long_run_test.cpp
)
