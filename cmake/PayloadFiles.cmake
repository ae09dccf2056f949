# The carried files: the one list to edit when a release carries other files. The payload
# enum and table of the code are generated from it (quorrel_payload_sources below).
#
# quorrel_carried_file(NAME KIND FILE TARGET WRITTEN NOT_WRITTEN), one call per file, in the
# order the files lie in the program image:
#   NAME         the code names the item k<NAME>Item
#   KIND         what the build checks the file for (CheckPayloadFile.cmake)
#   FILE         its name in QUORREL_PAYLOAD_DIR
#   TARGET       where the install run writes it, relative to the install directory; NONE for a
#                file that is only shown, never written
#   WRITTEN      appended to the install log when the file is written
#   NOT_WRITTEN  appended when it cannot be written
# TARGET and the texts are written as in a C++ string literal ("\\" is one backslash, "\r" the
# install log's line break) and compiled to Windows-1252 like every text of the program. The
# install run decides when each item is written (installer/install_run.cpp).
set(QUORREL_PAYLOAD_ITEMS "")
function(quorrel_carried_file name kind file target written not_written)
  set(QUORREL_PAYLOAD_ITEMS ${QUORREL_PAYLOAD_ITEMS} ${name} PARENT_SCOPE)
  foreach(field kind file target written not_written)
    set(QUORREL_PAYLOAD_${name}_${field} "${${field}}" PARENT_SCOPE)
  endforeach()
endfunction()

quorrel_carried_file(Library library Quorrel_400
  [[purelibraries\\userlibraries\\Quorrel_400]] [[\rLibrary entpackt]] [[\rLibrary nicht entpackt]])
quorrel_carried_file(Help help Quorrel400.chm
  [[help\\Quorrel400.chm]] [[\rLibrary Hilfe entpackt]] [[\rLibrary Hilfe nicht entpackt]])
quorrel_carried_file(Example1 example1 ostrel.pb
  [[examples\\ZentLibs\\ostrel.pb]] [[\rBeispiel 1 entpackt]] [[\rBeispiel 1 nicht entpackt]])
quorrel_carried_file(Example2 example2 ostrel_using_sample.pb
  [[examples\\ZentLibs\\ostrel_using_sample.pb]] [[\rBeispiel 2 entpackt]]
  [[\rBeispiel 2 nicht entpackt]])
quorrel_carried_file(DialogPicture bitmap setup_picture.bmp NONE "" "")
quorrel_carried_file(ExamplePicture jpeg printer_image.jpg
  [[examples\\ZentLibs\\Bilder\\printer_image.jpg]] [[\rBild entpackt]] [[\rBild nicht entpackt]])

# The kinds and file names alone, in the same order.
set(QUORREL_PAYLOAD_KINDS "")
set(QUORREL_PAYLOAD_NAMES "")
foreach(item IN LISTS QUORREL_PAYLOAD_ITEMS)
  list(APPEND QUORREL_PAYLOAD_KINDS ${QUORREL_PAYLOAD_${item}_kind})
  list(APPEND QUORREL_PAYLOAD_NAMES ${QUORREL_PAYLOAD_${item}_file})
endforeach()

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

# quorrel_payload_sources(DIR OUT_DIR SOURCES_VAR): the carried files of DIR as sources of a
# library. At build time each file is checked for its kind, then packed into a zlib stream (zopfli)
# that is linked as it is; the table holds each block's stored and inflated size and its
# seal, the CRC-32 of the stored bytes. Writes into OUT_DIR:
#   payload_items.h, payload_items.cpp  the enum and the table (include OUT_DIR's parent folder)
#   payload_blocks.S                    the packed blocks
#   payload_blocks.h                    the blocks' sizes and seals (at build time)
#   payload-blocks.tsv                  the same for the benchmark: name, inflated and stored size,
#                                       CRC-32 in hex
function(quorrel_payload_sources dir out_dir sources_var)
  find_program(QUORREL_ZOPFLI zopfli)
  find_program(QUORREL_PYTHON3 python3)
  if(NOT QUORREL_ZOPFLI OR NOT QUORREL_PYTHON3)
    message(FATAL_ERROR "Packing the carried files needs Debian's zopfli and python3 "
      "(scripts/test installs them: apt-get install zopfli python3)")
  endif()
  set(stamp "${out_dir}/payload_checked.stamp")
  quorrel_payload_check("${dir}" "${stamp}" files)

  set(symbols "")
  set(table "")
  set(enum "")
  set(blocks "")
  set(packed "")
  set(index 0)
  foreach(item file IN ZIP_LISTS QUORREL_PAYLOAD_ITEMS files)
    get_filename_component(name "${file}" NAME)
    set(block "${out_dir}/packed/${name}.zlib")
    list(APPEND packed "${block}")
    set(symbol "quorrel_payload_${index}")
    string(APPEND enum "    k${item}Item,\n")
    string(APPEND symbols "extern const unsigned char ${symbol}[];\n")
    string(APPEND blocks
      "    .globl SYMBOL(${symbol})\nSYMBOL(${symbol}):\n    .incbin \"${block}\"\n")
    set(stored "{${symbol}, kStoredSizes[${index}], kInflatedSizes[${index}], kStoredCrcs[${index}]}")
    if(QUORREL_PAYLOAD_${item}_target STREQUAL "NONE")
      string(APPEND table "    {${stored}, nullptr, nullptr, nullptr},\n")
    else()
      string(APPEND table "    {${stored},\n     \"${QUORREL_PAYLOAD_${item}_target}\",\n"
        "     \"${QUORREL_PAYLOAD_${item}_written}\", \"${QUORREL_PAYLOAD_${item}_not_written}\"},\n")
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  set(PAYLOAD_ENUM "${enum}")
  set(PAYLOAD_SYMBOLS "${symbols}")
  set(PAYLOAD_TABLE "${table}")
  set(PAYLOAD_BLOCKS "${blocks}")
  set(templates "${CMAKE_CURRENT_FUNCTION_LIST_DIR}")
  configure_file("${templates}/payload_items.h.in" "${out_dir}/payload_items.h" @ONLY)
  configure_file("${templates}/payload_items.cpp.in" "${out_dir}/payload_items.cpp" @ONLY)
  configure_file("${templates}/payload_blocks.S.in" "${out_dir}/payload_blocks.S" @ONLY)

  set(header "${out_dir}/payload_blocks.h")
  add_custom_command(OUTPUT "${header}" "${out_dir}/payload-blocks.tsv" ${packed}
    COMMAND "${QUORREL_PYTHON3}" "${templates}/pack_payload.py" "${QUORREL_ZOPFLI}" "${out_dir}"
            ${files}
    DEPENDS ${files} "${stamp}" "${templates}/pack_payload.py"
    COMMENT "Packing the carried files"
    VERBATIM)
  set_source_files_properties("${out_dir}/payload_blocks.S" PROPERTIES OBJECT_DEPENDS "${packed}")
  set(${sources_var} "${out_dir}/payload_blocks.S" "${out_dir}/payload_items.cpp" "${header}"
      "${out_dir}/payload_items.h" PARENT_SCOPE)
endfunction()
