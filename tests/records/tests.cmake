target_sources(quov_tests PRIVATE
  records/player_records_test.cpp
  records/series_resume_test.cpp
)
