target_sources(quov_game_presentation PRIVATE
  presentation/payline_shapes.cpp
  presentation/paylines.cpp
  presentation/line_flash.cpp
)
