# `cmake --install build --prefix DIR` lays out the game under DIR:
#   lib/kvizar/          the program directory: game, companion, sound module, bank, sounds
#   BINDIR/kvizar        a link to the game (the Debian package puts it in /usr/games)
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man6
# The program directory may be read-only: base.dat then goes to the player's own data
# directory (src/core/basefiledir.h).
include(GNUInstallDirs)
set(KVIZAR_INSTALL_DIR lib/kvizar CACHE STRING "The program directory, relative to the prefix")
set(KVIZAR_APP_ID ru.kvizar.Kvizar)

foreach(target Kvizar base)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${KVIZAR_INSTALL_DIR})
  endif()
endforeach()
if(TARGET kvizar-sound)
  install(TARGETS kvizar-sound LIBRARY DESTINATION ${KVIZAR_INSTALL_DIR})
endif()
install(FILES
  ${KVIZAR_PROGRAM_DIR}/bank.txt
  ${KVIZAR_PROGRAM_DIR}/begin.wav ${KVIZAR_PROGRAM_DIR}/pressed.wav ${KVIZAR_PROGRAM_DIR}/change.wav
  ${KVIZAR_PROGRAM_DIR}/true.wav ${KVIZAR_PROGRAM_DIR}/false.wav
  DESTINATION ${KVIZAR_INSTALL_DIR})
install(FILES packaging/kvizar.6 packaging/base.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(NOT TARGET Kvizar)
  return()
endif()

# The icon: drawn as a vector, and rendered at the sizes menus and docks ask for most.
set(icon_sizes 48 64 128 256)
set(icon_dir ${CMAKE_BINARY_DIR}/icons)
set(icon_svg ${PROJECT_SOURCE_DIR}/assets/art/icon.svg)
set(icon_pngs "")
foreach(size ${icon_sizes})
  add_custom_command(
    OUTPUT ${icon_dir}/icon-${size}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
    COMMAND render-art --square ${size} ${icon_dir} ${icon_svg}
    DEPENDS render-art ${icon_svg})
  list(APPEND icon_pngs ${icon_dir}/icon-${size}.png)
  install(FILES ${icon_dir}/icon-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${KVIZAR_APP_ID}.png)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pngs})
install(FILES ${icon_svg}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KVIZAR_APP_ID}.svg)
install(FILES packaging/${KVIZAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The link on the path and the desktop entry name the game where it is installed, which is
# known only at install time (`--prefix` may change it). file(INSTALL) adds DESTDIR itself;
# the link is made by hand and so is given it.
install(CODE "
  set(program \"\${CMAKE_INSTALL_PREFIX}/${KVIZAR_INSTALL_DIR}/Kvizar\")
  set(bindir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(RELATIVE_PATH target \"\${bindir}\" \"\${program}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${bindir}\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${bindir}/kvizar -> \${target}\")
  file(CREATE_LINK \"\${target}\" \"\$ENV{DESTDIR}\${bindir}/kvizar\" SYMBOLIC)
  set(KVIZAR_COMMAND \"\${bindir}/kvizar\")
  if(KVIZAR_COMMAND MATCHES \" \")
    set(KVIZAR_COMMAND \"\\\"\${KVIZAR_COMMAND}\\\"\")
  endif()
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/${KVIZAR_APP_ID}.desktop.in\" \"${CMAKE_BINARY_DIR}/${KVIZAR_APP_ID}.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/${KVIZAR_APP_ID}.desktop\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")
