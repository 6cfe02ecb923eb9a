target_sources(quov_tests PRIVATE
)
