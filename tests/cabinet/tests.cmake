target_sources(quov_tests PRIVATE
  cabinet/controls_test.cpp
  cabinet/menu_test.cpp
)
