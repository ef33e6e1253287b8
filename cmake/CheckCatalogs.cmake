# Refuses interface catalogs with untranslated texts: each catalog is merged with the
# texts the code has now (into a copy, with lupdate) and every entry without a
# translation is listed by context and source text; then the check fails. So a text that
# was added or changed cannot ship untranslated.
#   cmake -DCATALOGS="a.ts;b.ts" -DLUPDATE=lupdate -DSOURCE_LIST=files.txt
#         -DWORK_DIR=dir -P CheckCatalogs.cmake
set(failed 0)
foreach(catalog IN LISTS CATALOGS)
  get_filename_component(name "${catalog}" NAME)
  set(merged "${WORK_DIR}/${name}")
  configure_file("${catalog}" "${merged}" COPYONLY)
  execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete
                          "@${SOURCE_LIST}" -ts "${merged}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${catalog}")
  endif()
  file(READ "${merged}" text)
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "<context>" ";" contexts "${text}")
  set(unfinished 0)
  foreach(context IN LISTS contexts)
    if(NOT context MATCHES "<name>([^<]*)</name>")
      continue()
    endif()
    set(context_name "${CMAKE_MATCH_1}")
    string(REPLACE "<message" ";<message" messages "${context}")
    foreach(message IN LISTS messages)
      if(message MATCHES "type=\"unfinished\"" OR message MATCHES "<translation></translation>")
        if(message MATCHES "<source>([^<]*)</source>")
          message(STATUS "${name}: ${context_name}: \"${CMAKE_MATCH_1}\" is not translated")
        endif()
        math(EXPR unfinished "${unfinished} + 1")
      endif()
    endforeach()
  endforeach()
  if(unfinished GREATER 0)
    message(STATUS "${name}: ${unfinished} texts not translated")
    set(failed 1)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "Run scripts/translations and translate the texts listed above.")
endif()
