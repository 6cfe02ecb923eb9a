target_sources(quov_headless PRIVATE
  headless/headless_platform.cpp
  headless/headless_machine.cpp
  headless/plain_text_rules.cpp
  headless/memory_history.cpp
)
