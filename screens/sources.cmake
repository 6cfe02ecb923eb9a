target_sources(quov_game_screens PRIVATE
  screens/url.cpp
  screens/pay_sheet.cpp
  screens/pays_screen.cpp
  screens/about_screen.cpp
  screens/offer_screen.cpp
  screens/recall_screen.cpp
  screens/help_screen.cpp
)
