target_sources(quov_core PRIVATE
  presentation/payline_shapes.cpp
  presentation/paylines.cpp
  presentation/line_flash.cpp
)
