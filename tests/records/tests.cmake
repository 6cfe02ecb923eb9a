target_sources(quov_tests PRIVATE
  records/options_fixture.h
  records/options_screen_test.cpp
)
