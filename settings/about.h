// Who made the game and where to reach them, shown by the about box.
#pragma once

inline constexpr char APP_TITLE[] = "Mizuhane";
inline constexpr char HOME_PAGE[] = "https://mizuhane.example.org/";
inline constexpr char E_MAIL[] = "mizuhane@example.org";
