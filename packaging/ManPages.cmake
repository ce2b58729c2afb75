# The manual pages ondrix(1) and ondrix-cli(1), made at build time by
# help2man from the built programs' own --help and --version, so they say
# what the programs do. In English, asked for with --lang whatever the
# builder's locale.
# A small include file per page adds what --help does not say (FILES, SEE
# ALSO). Compressed as Debian wants them (best, no name or time stamp).
find_program(HELP2MAN help2man REQUIRED)
set(ONDRIX_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(manPages)
foreach(page IN ITEMS "ondrix;a two-channel measuring bench on the sound card"
                      "ondrix-cli;measure, analyse and render WAV recordings without a window")
  list(GET page 0 program)
  list(GET page 1 name)
  set(include ${CMAKE_BINARY_DIR}/packaging/${program}.h2m)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${program}.h2m.in ${include} @ONLY)
  set(man ${ONDRIX_MAN_DIR}/${program}.1)
  add_custom_command(OUTPUT ${man}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ONDRIX_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 --unset=LANGUAGE --unset=LANG
            ${HELP2MAN} --no-info --no-discard-stderr --section=1 --name=${name} --include=${include}
            "--help-option=--lang en --help"
            --output=${man} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${man}
    DEPENDS ${program} ${include}
    COMMENT "Writing the manual page ${program}(1)" VERBATIM)
  list(APPEND manPages ${man}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${manPages})
install(FILES ${manPages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
