# Installs the BUILD folder into a scratch DESTDIR under OUT, as a user's
# `cmake --install` with the default prefix does, and checks that the desktop
# finds what it needs: the program, its menu entry (accepted by
# desktop-file-validate), the icon files and the document types.
file(REMOVE_RECURSE ${OUT})
set(prefix /usr/local)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${OUT} ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The install failed:\n${output}")
endif()
set(root ${OUT}${prefix})

set(missing "")
foreach(file bin/quarbel share/applications/quarbel.desktop share/mime/packages/quarbel.xml
             share/icons/hicolor/32x32/apps/quarbel.png share/icons/hicolor/256x256/apps/quarbel.png)
  if(NOT EXISTS ${root}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "Not installed under ${root}: ${missing}")
endif()

# An icon file is a PNG of its folder's size (width and height in its header).
foreach(size 32 256)
  file(READ ${root}/share/icons/hicolor/${size}x${size}/apps/quarbel.png header LIMIT 24 HEX)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex}" 2 -1 hex)
  string(LENGTH "${hex}" digits)
  while(digits LESS 8)
    string(PREPEND hex 0)
    math(EXPR digits "${digits} + 1")
  endwhile()
  if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452${hex}${hex}$")
    message(FATAL_ERROR "The ${size}x${size} icon is no PNG of that size: ${header}")
  endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate (desktop-file-utils) is not installed")
endif()
execute_process(COMMAND ${VALIDATE} ${root}/share/applications/quarbel.desktop
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output)
  message(FATAL_ERROR "desktop-file-validate does not accept the entry:\n${output}")
endif()

# Every document type is declared with its pattern and named by the entry.
file(READ ${root}/share/mime/packages/quarbel.xml mime)
file(READ ${root}/share/applications/quarbel.desktop entry)
string(REGEX MATCH "\nMimeType=[^\n]*" entry_types "${entry}")
foreach(pair music:qbm factory:qbf players:qby project:qbp)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 kind)
  list(GET pair 1 extension)
  set(type application/x-quarbel-${kind})
  string(FIND "${mime}" "<mime-type type=\"${type}\">" begin)
  set(declared "")
  if(begin GREATER -1)
    string(SUBSTRING "${mime}" ${begin} -1 declared)
    string(FIND "${declared}" "</mime-type>" end)
    string(SUBSTRING "${declared}" 0 ${end} declared)
  endif()
  if(NOT declared MATCHES "<glob pattern=\"\\*\\.${extension}\"/>")
    message(FATAL_ERROR "${type} is not declared for *.${extension}")
  endif()
  if(NOT "${entry_types}" MATCHES "[=;]${type};")
    message(FATAL_ERROR "The entry does not open ${type}")
  endif()
endforeach()
if(NOT "${entry_types}" MATCHES "[=;]audio/x-wav;")
  message(FATAL_ERROR "The entry does not open .wav files")
endif()
# A file manager hands over the file as one local path (%f), which is what the
# program takes as its first argument; a URL (%u) it would not open.
if(NOT "${entry}" MATCHES "\nExec=quarbel %f\n")
  message(FATAL_ERROR "The entry does not pass the program one local file name")
endif()
