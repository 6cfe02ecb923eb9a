target_sources(quov_tests PRIVATE
  par/press_rules_test.cpp
  par/exact_test.cpp
  par/simulate_test.cpp
  par/expected_return_test.cpp
  par/chunk_random_test.cpp
)
target_link_libraries(quov_tests PRIVATE quov_par)

# The command line, as scripts rely on it.
add_test(NAME quov_par.help COMMAND quov-par --help)
set_tests_properties(quov_par.help PROPERTIES PASS_REGULAR_EXPRESSION
  "quov-par exact \\[--lines N\\] \\[--payout M\\] \\[--json\\].*quov-par simulate --payout M --lines N --bet B --presses COUNT.*quov-par sheet \\[--json \\| --csv\\] \\[--chart FILE.svg\\]")
add_test(NAME quov_par.exact_json COMMAND quov-par exact --lines 10 --payout 3 --json)
set_tests_properties(quov_par.exact_json PROPERTIES PASS_REGULAR_EXPRESSION
  "\"lines\": 10,.*\"payout\": 3,.*\"rtp\": 0\\.[0-9]+,.*\"line_rtp\":.*\"scatter_rtp\":.*\"hit_frequency\":.*\"stdev\":.*\"trigger_probability\":")
add_test(NAME quov_par.simulate_json
  COMMAND quov-par simulate --payout 1 --lines 5 --bet 2 --presses 100000 --seed 4 --threads 2 --growing-meters --json)
set_tests_properties(quov_par.simulate_json PROPERTIES PASS_REGULAR_EXPRESSION
  "\"presses\": 100000,.*\"rtp\": {[^}]*\"base\":[^}]*\"free\":[^}]*\"jackpot\":[^}]*\"total\":[^}]*}.*\"stderr\": {[^}]*\"base\":[^}]*\"free\":[^}]*\"jackpot\":[^}]*\"total\":[^}]*}.*\"presses_per_second\":")
add_test(NAME quov_par.refuses_an_unknown_setting COMMAND quov-par simulate --payout 2 --lines 25 --bet 1 --presses 10)
set_tests_properties(quov_par.refuses_an_unknown_setting PROPERTIES WILL_FAIL TRUE)
