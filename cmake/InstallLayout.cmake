# Where `cmake --install` puts the game: the program in bin/, its private
# MIDI library in lib/harmoa2/, the pictures, sounds and music in
# share/harmoa2/. The program finds both from its own location, so the
# relative paths are compiled in.
include(GNUInstallDirs)
set(GAME_NAME harmoa2)
set(GAME_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/${GAME_NAME})
set(GAME_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/${GAME_NAME})
file(RELATIVE_PATH GAME_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${GAME_INSTALL_DATADIR})
file(RELATIVE_PATH GAME_LIB_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${GAME_INSTALL_LIBDIR})
# Programs that are installed find libsxplay.so beside them in the game
# folder and in lib/harmoa2 once installed.
set(GAME_PROGRAM_RPATH "\$ORIGIN;\$ORIGIN/${GAME_LIB_FROM_PROGRAM}")
