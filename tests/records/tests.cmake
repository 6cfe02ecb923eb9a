target_sources(quov_tests PRIVATE
  records/player_records_test.cpp
  records/options_fixture.h
  records/options_screen_test.cpp
  records/options_figures_test.cpp
  records/series_resume_test.cpp
  records/save_notice_test.cpp
  records/play_statistics_test.cpp
  records/history_blocks_test.cpp
  records/long_history.h
)
