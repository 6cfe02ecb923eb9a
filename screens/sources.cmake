target_sources(quov_game PRIVATE
  screens/offer_screen.cpp
  screens/recall_screen.cpp
)
