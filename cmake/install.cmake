# `cmake --install build --prefix DIR` lays out the program directory in DIR/lib/kvizar (the
# game writes and deletes base.dat there, so DIR must be writable by the player: ~/.local is
# the usual choice), with a desktop entry and an icon so that the game shows in the menu.
include(GNUInstallDirs)
set(KVIZAR_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/kvizar)

foreach(target Kvizar base)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${KVIZAR_INSTALL_DIR})
  endif()
endforeach()
install(FILES
  ${KVIZAR_PROGRAM_DIR}/bank.txt
  ${KVIZAR_PROGRAM_DIR}/begin.wav ${KVIZAR_PROGRAM_DIR}/pressed.wav ${KVIZAR_PROGRAM_DIR}/change.wav
  ${KVIZAR_PROGRAM_DIR}/true.wav ${KVIZAR_PROGRAM_DIR}/false.wav
  DESTINATION ${KVIZAR_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/art/icon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME kvizar.svg)
install(CODE "
  set(KVIZAR_INSTALLED_DIR \"\${CMAKE_INSTALL_PREFIX}/${KVIZAR_INSTALL_DIR}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/kvizar.desktop.in\" \"${CMAKE_BINARY_DIR}/kvizar.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/kvizar.desktop\" DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")
