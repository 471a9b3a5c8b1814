# Runs in CPack once the files are staged: the launcher moves from /usr/bin to /usr/games,
# where Debian keeps the commands of games, and the menu entry follows it. The launcher finds
# the program relative to itself, and games/ lies as deep as bin/.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/ponigari" "${usr}/games/ponigari")
file(REMOVE_RECURSE "${usr}/bin")
file(GLOB entries "${usr}/share/applications/*.desktop")
foreach(entry ${entries})
  file(READ "${entry}" text)
  string(REPLACE "=${CPACK_PACKAGING_INSTALL_PREFIX}/bin/ponigari" "=${CPACK_PACKAGING_INSTALL_PREFIX}/games/ponigari"
         text "${text}")
  file(WRITE "${entry}" "${text}")
endforeach()
