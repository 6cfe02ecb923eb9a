target_sources(quov_tests PRIVATE
  platform/scheduler_test.cpp
  platform/random_test.cpp
)
