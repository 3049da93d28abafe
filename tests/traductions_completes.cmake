# Every translation is complete and up to date: lupdate run on the sources
# and window designs (the list in LISTE) over a copy of each .ts (TS) changes
# nothing, and no message is left unfinished.
foreach(ts IN LISTS TS)
  get_filename_component(nom ${ts} NAME)
  file(MAKE_DIRECTORY ${OUT})
  configure_file(${ts} ${OUT}/${nom} COPYONLY)
  execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none @${LISTE} -ts ${OUT}/${nom}
                  RESULT_VARIABLE r OUTPUT_QUIET)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${nom}")
  endif()
  file(READ ${OUT}/${nom} apres)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" manquants "${apres}")
  if(manquants)
    string(REGEX REPLACE "</source>[ \n]*<translation type=\"unfinished\"" "\n" manquants "${manquants}")
    message(FATAL_ERROR "${nom}: texts without a translation:\n${manquants}")
  endif()
  file(READ ${ts} avant)
  if(NOT avant STREQUAL apres)
    message(FATAL_ERROR "${nom} is not up to date: run cmake --build <build> --target update_translations")
  endif()
endforeach()
