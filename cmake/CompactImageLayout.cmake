# quorrel_compact_image_layout(LINKER OUTPUT): writes OUTPUT, a linker script for the shipped
# program: the linker's own default script for executables with fewer sections, each of which is
# padded to 512 bytes in the file.
#  - The tables of start-up and exit functions (.CRT) and the thread-local data template (.tls)
#    go into .data, which is writable as they were; the template comes first, so offsets into it
#    stay offsets from the start of its section.
#  - Unwind tables (.eh_frame) serve only to throw exceptions through code, and the program
#    throws none (it runs without exceptions, and lean_cxx_runtime.cpp stops where the C++
#    library would throw). Only those of crtbegin.o and crtend.o stay, as read-only data in
#    .rdata: crtbegin.o names their start. On x86_64, unwinding uses .pdata and .xdata, which
#    stay as they are.
# Section protections stay as they were (.text executable, .rdata read-only).
function(quorrel_compact_image_layout linker output)
  execute_process(COMMAND ${linker} --verbose
    OUTPUT_VARIABLE verbose RESULT_VARIABLE result ERROR_QUIET)
  set(rule "==================================================\n")
  string(FIND "${verbose}" "${rule}" first)
  string(FIND "${verbose}" "${rule}" last REVERSE)
  if(NOT result EQUAL 0 OR first EQUAL -1 OR last LESS_EQUAL first)
    message(FATAL_ERROR "${linker} --verbose printed no default linker script")
  endif()
  string(LENGTH "${rule}" rule_length)
  math(EXPR start "${first} + ${rule_length}")
  math(EXPR length "${last} - ${start}")
  string(SUBSTRING "${verbose}" ${start} ${length} script)

  _quorrel_cut_output_section(script .CRT crt)
  _quorrel_cut_output_section(script .tls tls)
  _quorrel_cut_output_section(script .eh_frame unused)
  # Orphan groups such as .CRT$XD* (dynamic thread-local initialisers) went into .CRT by name.
  string(APPEND crt "\n    KEEP (*(SORT(.CRT$*)))")
  _quorrel_insert_before(script "    __data_start__ = . ;\n" "${tls}\n${crt}\n")
  _quorrel_insert_before(script "\n    . = ALIGN(4);\n    __rt_psrelocs_start = .;"
    "\n    KEEP (*crtbegin.o(.eh_frame*))\n    KEEP (*crtend.o(.eh_frame*))")
  _quorrel_insert_before(script "     *(.drectve)\n" "    *(.eh_frame*)\n")

  file(CONFIGURE OUTPUT "${output}" CONTENT "${script}" @ONLY)
endfunction()

# Removes the output section NAME from the script in SCRIPT_VAR; its body goes into BODY_VAR.
function(_quorrel_cut_output_section script_var name body_var)
  set(script "${${script_var}}")
  set(head "\n  ${name} BLOCK(__section_alignment__) :\n  {\n")
  string(FIND "${script}" "${head}" begin)
  if(begin EQUAL -1)
    message(FATAL_ERROR "the default linker script has no output section ${name}")
  endif()
  string(LENGTH "${head}" head_length)
  math(EXPR body_start "${begin} + ${head_length}")
  string(SUBSTRING "${script}" ${body_start} -1 rest)
  string(FIND "${rest}" "\n  }\n" body_length)
  string(SUBSTRING "${rest}" 0 ${body_length} body)
  math(EXPR after "${body_length} + 4")
  string(SUBSTRING "${rest}" ${after} -1 rest)
  string(SUBSTRING "${script}" 0 ${begin} script)
  set(${script_var} "${script}${rest}" PARENT_SCOPE)
  set(${body_var} "${body}" PARENT_SCOPE)
endfunction()

# Inserts TEXT before the first ANCHOR in the script in SCRIPT_VAR; the anchor must be there.
function(_quorrel_insert_before script_var anchor text)
  set(script "${${script_var}}")
  string(FIND "${script}" "${anchor}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the default linker script has no line '${anchor}'")
  endif()
  string(SUBSTRING "${script}" 0 ${at} before)
  string(SUBSTRING "${script}" ${at} -1 after)
  set(${script_var} "${before}${text}${after}" PARENT_SCOPE)
endfunction()
