target_sources(quov_headless PRIVATE
  platform/headless/headless_platform.cpp
  platform/headless/headless_machine.cpp
  platform/headless/memory_history.cpp
)
