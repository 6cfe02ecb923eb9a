target_sources(quov_tests PRIVATE
  screens/pay_sheet_test.cpp
  screens/information_screens_test.cpp
)
