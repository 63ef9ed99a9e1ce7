# Fails when a translatable text of SOURCES has no finished translation in TS, or when TS holds
# a text the sources no longer show. Runs lupdate on a copy, so TS itself is never changed.
# cmake -DLUPDATE=lupdate -DTS=file.ts -DSOURCES=dir -DINCLUDE=dir -DWORK=dir
#       -P CheckTranslations.cmake
# INCLUDE is where the sources' includes are found: lupdate needs the class declarations to
# name the contexts as the build does.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} -locations none -extensions cpp,h -I ${INCLUDE} ${SOURCES}
                        -ts ${copy}
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(failed)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
file(READ ${copy} text)
# New texts come in "unfinished"; texts gone from the sources become "vanished" or "obsolete".
string(REGEX MATCHALL "<translation type=\"(unfinished|vanished|obsolete)\"" open "${text}")
list(LENGTH open count)
string(REGEX MATCHALL "<message>" all "${text}")
list(LENGTH all total)
if(count GREATER 0 OR total EQUAL 0)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${TS} ${copy})
  message(FATAL_ERROR "${count} of ${total} texts of ${name} are not finished, new or gone; "
                      "run the mizaro_ui_lupdate target and translate them:\n${out}")
endif()
message(STATUS "${total} texts, all translated")
