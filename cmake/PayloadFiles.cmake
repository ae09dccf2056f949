# The six carried files, in the order they lie in the program image, and the build step that
# checks each for its kind before anything links them.
set(QUORREL_PAYLOAD_KINDS library help example1 example2 bitmap jpeg)
set(QUORREL_PAYLOAD_NAMES Quorrel_400 Quorrel400.chm ostrel.pb ostrel_using_sample.pb
    setup_picture.bmp printer_image.jpg)

# quorrel_payload_check(DIR STAMP FILES_VAR): adds a build step that checks the files in DIR and
# touches STAMP when all are right; a wrong file stops the build with a message naming it.
# FILES_VAR receives the files' full paths in table order.
function(quorrel_payload_check dir stamp files_var)
  set(files "")
  set(commands "")
  foreach(kind name IN ZIP_LISTS QUORREL_PAYLOAD_KINDS QUORREL_PAYLOAD_NAMES)
    set(file "${dir}/${name}")
    list(APPEND files "${file}")
    list(APPEND commands
      COMMAND ${CMAKE_COMMAND} -DKIND=${kind} -DFILE=${file}
              -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckPayloadFile.cmake)
  endforeach()
  add_custom_command(OUTPUT "${stamp}"
    ${commands}
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    DEPENDS ${files} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckPayloadFile.cmake
    COMMENT "Checking the carried files"
    VERBATIM)
  set(${files_var} "${files}" PARENT_SCOPE)
endfunction()
