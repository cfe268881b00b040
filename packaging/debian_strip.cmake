# Run by CPack on the staged tree before it makes the packages: removes from
# every program the sections Debian's own packages go without (.comment and
# .note) and compresses its debug sections, which CPack then moves into the
# -dbgsym package.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(
        COMMAND "${CPACK_OBJCOPY_EXECUTABLE}" --remove-section=.comment --remove-section=.note
                --compress-debug-sections "${file}"
        COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
