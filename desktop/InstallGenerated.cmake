# Runs at install time, once the real prefix is known: writes the menu entry with the
# launcher's full path, and compresses the manual page and the changelog as Debian wants
# them (gzip -9n: the same bytes at every build).
foreach(dir PONIGARI_BINDIR PONIGARI_ENTRYDIR PONIGARI_MANDIR PONIGARI_DOCDIR)
  if(NOT IS_ABSOLUTE "${${dir}}")
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
  endif()
endforeach()
set(LAUNCHER "${PONIGARI_BINDIR}/ponigari")
set(EXEC "${LAUNCHER}")
if(LAUNCHER MATCHES " ")
  set(EXEC "\"${LAUNCHER}\"")  # the entry's command line splits at spaces
endif()
get_filename_component(entry_name "${PONIGARI_ENTRY_IN}" NAME_WLE)
configure_file("${PONIGARI_ENTRY_IN}" "${PONIGARI_STAGE}/${entry_name}" @ONLY)
file(INSTALL DESTINATION "${PONIGARI_ENTRYDIR}" TYPE FILE FILES "${PONIGARI_STAGE}/${entry_name}")

foreach(doc MANPAGE:MANDIR:ponigari.6.gz CHANGELOG:DOCDIR:changelog.gz)
  string(REPLACE ":" ";" doc "${doc}")
  list(GET doc 0 source)
  list(GET doc 1 dir)
  list(GET doc 2 name)
  execute_process(COMMAND gzip -9n -c "${PONIGARI_${source}}" OUTPUT_FILE "${PONIGARI_STAGE}/${name}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot compress ${PONIGARI_${source}}")
  endif()
  file(INSTALL DESTINATION "${PONIGARI_${dir}}" TYPE FILE FILES "${PONIGARI_STAGE}/${name}")
endforeach()
