# Fails when a unit of src/ includes a unit above it.
#
# Usage: cmake -DSOURCE_DIR=<src folder> -P CheckLayers.cmake
#
# Includes name their folder from src/ ("platform/ui/View.h"); a bare name must be a header
# of the including file's own folder. Each unit may include the units of a lower rank; the
# command-line tools may include foundation, content and speech only; main.cpp may include
# anything. Prints one line per wrong include and exits with an error when there is one.
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<src folder> -P CheckLayers.cmake")
endif()

# Units from the bottom up, as "folder=rank"; units of the same rank may not include each other.
set(units
    platform/foundation=0
    platform/ui=1 platform/media=1
    content=2
    speech=3
    widgets=4
    audio=5
    speech/views=6
    app=7
    quiz=8
    settings=9)

function(unit_of path out_unit out_rank)
    set(best "")
    set(best_rank "")
    foreach(entry IN LISTS units)
        string(REPLACE "=" ";" pair "${entry}")
        list(GET pair 0 folder)
        list(GET pair 1 rank)
        string(LENGTH "${folder}/" length)
        string(SUBSTRING "${path}" 0 ${length} head)
        string(LENGTH "${best}" best_length)
        if(head STREQUAL "${folder}/" AND length GREATER best_length)
            set(best "${folder}")
            set(best_rank "${rank}")
        endif()
    endforeach()
    set(${out_unit} "${best}" PARENT_SCOPE)
    set(${out_rank} "${best_rank}" PARENT_SCOPE)
endfunction()

function(check_include file include out_error)
    set(${out_error} "" PARENT_SCOPE)
    get_filename_component(folder "${file}" DIRECTORY)
    if(NOT include MATCHES "/")
        if(NOT EXISTS "${SOURCE_DIR}/${folder}/${include}" AND NOT include MATCHES "\\.moc$")
            set(${out_error} "${file} includes \"${include}\" bare, but it is not in its folder" PARENT_SCOPE)
        endif()
        return()
    endif()
    if(file STREQUAL "main.cpp")
        return()
    endif()
    unit_of("${include}" to to_rank)
    if(to STREQUAL "")
        if(NOT include MATCHES "^tools/")
            return()    # a header outside our units (a library's own subfolder)
        endif()
    endif()
    if(file MATCHES "^tools/")
        if(include MATCHES "^tools/" OR to MATCHES "^(platform/foundation|content|speech)$")
            return()
        endif()
        set(${out_error} "${file} includes ${include}: the tools use foundation, content and speech only" PARENT_SCOPE)
        return()
    endif()
    unit_of("${file}" from from_rank)
    if(to STREQUAL "" OR from STREQUAL "")
        set(${out_error} "${file} includes ${include}: outside the layers" PARENT_SCOPE)
    elseif(NOT from STREQUAL to AND NOT to_rank LESS from_rank)
        set(${out_error} "${file} (${from}) includes ${include} (${to}), which is not below it" PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(errors 0)
foreach(file IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" include "${line}")
        check_include("${file}" "${include}" error)
        if(error)
            message("wrong include: ${error}")
            math(EXPR errors "${errors} + 1")
        endif()
    endforeach()
endforeach()
list(LENGTH sources count)
if(errors GREATER 0)
    message(FATAL_ERROR "${errors} wrong include(s) in ${count} files")
endif()
message("layers: ${count} files, every include points downwards")
