# Fails when a file of src/ includes a header of a folder above its own, or of
# another folder on its own level: the layers run bottom to top as below, and
# src/CMakeLists.txt links them in the same order. One include is allowed
# against the order: the move choice of the board reads the piece record of
# the armies. Run by CTest with -DSRC_DIR=<src>.
cmake_minimum_required(VERSION 3.25)
get_filename_component(SRC_DIR "${SRC_DIR}" ABSOLUTE)

# Folder and level, bottom to top.
set(levels
    state 0
    board 1
    armies 2
    camera 3
    platform 3
    render 4
    game 5
    input 6
    app 7)
set(allowed "board/move_choice.cpp -> armies/armies.h")

function(level_of folder result)
  list(FIND levels ${folder} at)
  if(at EQUAL -1)
    set(${result} "" PARENT_SCOPE)
  else()
    math(EXPR at "${at} + 1")
    list(GET levels ${at} level)
    set(${result} ${level} PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE ${SRC_DIR} ${SRC_DIR}/*.h ${SRC_DIR}/*.cpp)
set(problems "")
set(checked 0)
set(exceptions_used 0)
foreach(file IN LISTS files)
  string(REGEX REPLACE "/.*" "" folder ${file})
  level_of(${folder} own)
  if(own STREQUAL "")
    string(APPEND problems "  ${file}: the folder ${folder} has no level\n")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS ${SRC_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "#[ \t]*include[ \t]*\"(([a-z_]+)/[^\"]+)\"")
      continue()
    endif()
    set(header ${CMAKE_MATCH_1})
    set(target ${CMAKE_MATCH_2})
    if(target STREQUAL folder)
      continue()
    endif()
    level_of(${target} theirs)
    if(theirs STREQUAL "")
      string(APPEND problems "  ${file}: includes ${header}, outside the layers\n")
    elseif(NOT theirs LESS own)
      if("${file} -> ${header}" IN_LIST allowed)
        math(EXPR exceptions_used "${exceptions_used} + 1")
      else()
        string(APPEND problems "  ${file} (${folder}) includes ${header} (${target})\n")
      endif()
    endif()
  endforeach()
endforeach()

if(checked LESS 50)
  message(FATAL_ERROR "only ${checked} files of ${SRC_DIR} examined")
endif()
if(problems)
  message(FATAL_ERROR "includes against the layers (state < board < armies < camera, platform < "
                      "render < game < input < app):\n${problems}")
endif()
message(STATUS "${checked} files include only their own or lower layers "
               "(${exceptions_used} use of the allowed exception: ${allowed})")
