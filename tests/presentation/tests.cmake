target_sources(quov_tests PRIVATE
  presentation/paylines_test.cpp
  presentation/line_flash_test.cpp
)
