# win32_resources(<target> <file.rc>)
#
# Compiles a resource script with llvm-rc into a .res file and embeds that file in <target>.
# The embedded copy registers itself with the platform when the library or program is loaded,
# so that FindResourceA and the dialog functions find its templates by module handle.

find_program(LLVM_RC NAMES llvm-rc llvm-rc-14 llvm-rc-15 REQUIRED)

function(win32_resources target rcfile)
    # A target left out of this build (the ThreadSanitizer build has only the threaded tests)
    # needs no resources.
    if(NOT TARGET ${target})
        return()
    endif()
    get_filename_component(rc_abs ${rcfile} ABSOLUTE)
    get_filename_component(rc_dir ${rc_abs} DIRECTORY)
    get_filename_component(rc_name ${rc_abs} NAME_WE)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${rc_name}.res)
    set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_${rc_name}_res.cpp)
    file(GLOB rc_inputs ${rc_dir}/*.h ${rc_dir}/*.rc ${rc_dir}/*.bmp ${rc_dir}/*.ico)
    add_custom_command(
        OUTPUT ${res}
        # "--" ends the options: llvm-rc reads an argument such as /check/... as the option /c.
        COMMAND ${LLVM_RC} -no-preprocess -fo ${res} -- ${res}.i
        # llvm-rc's own preprocessing needs clang on the PATH; running the C preprocessor here
        # keeps the build working with g++ alone.
        DEPENDS ${rc_inputs} ${res}.i
        WORKING_DIRECTORY ${rc_dir}
        COMMENT "Compiling resources ${rcfile}")
    add_custom_command(
        OUTPUT ${res}.i
        COMMAND ${CMAKE_C_COMPILER} -E -P -xc -DRC_INVOKED -I${rc_dir}
                -I${PROJECT_SOURCE_DIR}/platform/include ${rc_abs} -o ${res}.i
        DEPENDS ${rc_inputs}
        WORKING_DIRECTORY ${rc_dir})
    add_custom_command(
        OUTPUT ${cpp}
        COMMAND ${CMAKE_COMMAND} -DRES=${res} -DOUT=${cpp} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedRes.cmake
        DEPENDS ${res} ${PROJECT_SOURCE_DIR}/cmake/EmbedRes.cmake)
    target_sources(${target} PRIVATE ${cpp})
endfunction()
