cmake_policy(SET CMP0057 NEW)
# Fails when a source includes a header of a folder its layer may not use: the layers stand
# on each other in one direction only (engine, persistence and advisor below platform, widgets
# and resources; dialogs above those; the main window on top).
# Called as: cmake -DFOLDER=dialogs "-DALLOWED=engine;widgets" "-DFILES=a.cpp;a.h" -DSTAMP=x -P CheckIncludes.cmake
set(layers engine persistence advisor platform widgets resources dialogs mainwindow review)
set(wrong "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" folder "${line}")
    if(folder IN_LIST layers AND NOT folder STREQUAL FOLDER AND NOT folder IN_LIST ALLOWED)
      list(APPEND wrong "${file}: ${FOLDER} may not include ${folder}/ (${line})")
    endif()
  endforeach()
endforeach()
if(wrong)
  list(JOIN wrong "\n" text)
  message(FATAL_ERROR "An include runs the wrong way between the layers:\n${text}")
endif()
file(TOUCH "${STAMP}")
