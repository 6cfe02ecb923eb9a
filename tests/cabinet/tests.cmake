target_sources(quov_tests PRIVATE
  cabinet/controls_test.cpp
  cabinet/menu_test.cpp
  cabinet/keys_test.cpp
  cabinet/reading_test.cpp
)
