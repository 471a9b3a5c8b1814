# Runs at install time, once the real prefix is known: writes the menu entry with the
# launcher's full path and installs it.
foreach(dir PONIGARI_BINDIR PONIGARI_ENTRYDIR)
  if(NOT IS_ABSOLUTE "${${dir}}")
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
  endif()
endforeach()
set(LAUNCHER "${PONIGARI_BINDIR}/ponigari")
set(EXEC "${LAUNCHER}")
if(LAUNCHER MATCHES " ")
  set(EXEC "\"${LAUNCHER}\"")  # the entry's command line splits at spaces
endif()
configure_file("${PONIGARI_ENTRY_IN}" "${PONIGARI_ENTRY}" @ONLY)
file(INSTALL DESTINATION "${PONIGARI_ENTRYDIR}" TYPE FILE FILES "${PONIGARI_ENTRY}")
