target_sources(quov_game PRIVATE
  screens/url.cpp
  screens/pays_screen.cpp
  screens/about_screen.cpp
  screens/offer_screen.cpp
)
