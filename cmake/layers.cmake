# The layers are the link graph. Each folder of src/ is one target, named here with the
# folders it is built from; the target gets an include root that holds only those
# folders, so the compiler finds the headers of a target's own folders and of what it
# links, and no others. Once every target is defined, the table of folders and links is
# written for the include check (tests/layering/check_includes.cmake), which follows
# what headers include, reads <...> and ../ includes and covers generated sources.

set(SHIFTER_LAYER_TABLE ${PROJECT_BINARY_DIR}/layers.cmake)

# A library's platform parts are files of their own, named by these: Linux's or the
# other systems' (`*_linux.cpp`, `*_other.cpp`), and the file system's (`*_posix.cpp`,
# `*_windows.cpp`).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(SHIFTER_PLATFORM linux)
else()
    set(SHIFTER_PLATFORM other)
endif()
if(WIN32)
    set(SHIFTER_FILE_SYSTEM windows)
else()
    set(SHIFTER_FILE_SYSTEM posix)
endif()

# shifter_layer(<target> FOLDERS <folder of src/>... [GENERATED <generated folder>])
function(shifter_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "GENERATED" "FOLDERS")
    set(root ${PROJECT_BINARY_DIR}/include_roots/${target})
    foreach(folder IN LISTS arg_FOLDERS)
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        set(scope INTERFACE)
    elseif(type STREQUAL "EXECUTABLE")
        set(scope PRIVATE)
    else()
        set(scope PUBLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
    if(arg_GENERATED)
        target_include_directories(${target} ${scope} ${arg_GENERATED})
    endif()
    target_compile_features(${target} ${scope} cxx_std_20)
    set_property(TARGET ${target} PROPERTY SHIFTER_FOLDERS ${arg_FOLDERS})
    set_property(TARGET ${target} PROPERTY SHIFTER_GENERATED_ROOT "${arg_GENERATED}")
    set_property(GLOBAL APPEND PROPERTY SHIFTER_LAYERS ${target})
endfunction()

# The items of a link list that are targets, without generator expressions; with
# `private_too` the $<LINK_ONLY:...> entries of an interface list count as well.
function(shifter_linked_names out list private_too)
    set(names "")
    foreach(item IN LISTS list)
        if(item MATCHES "^\\$<LINK_ONLY:(.+)>$")
            if(private_too)
                list(APPEND names ${CMAKE_MATCH_1})
            endif()
        elseif(NOT item MATCHES "\\$<")
            list(APPEND names ${item})
        endif()
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# Writes the table: for each target its folders, generated sources and include root,
# every target it links (`links_`) and those it passes on to its users (`public_`).
function(shifter_write_layer_table)
    get_property(layers GLOBAL PROPERTY SHIFTER_LAYERS)
    set(table "# Written by cmake/layers.cmake from the targets' link lists.\n")
    string(APPEND table "set(layers ${layers})\n")
    foreach(target IN LISTS layers)
        get_target_property(type ${target} TYPE)
        get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
        if(NOT interface)
            set(interface "")
        endif()
        shifter_linked_names(public "${interface}" FALSE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            set(links ${public})
        else()
            get_target_property(direct ${target} LINK_LIBRARIES)
            if(NOT direct)
                set(direct "")
            endif()
            shifter_linked_names(links "${direct}" TRUE)
        endif()
        get_target_property(folders ${target} SHIFTER_FOLDERS)
        get_target_property(generated_root ${target} SHIFTER_GENERATED_ROOT)
        get_target_property(sources ${target} SOURCES)
        set(generated "")
        foreach(source IN LISTS sources)
            cmake_path(IS_PREFIX PROJECT_BINARY_DIR "${source}" in_build)
            if(in_build AND source MATCHES "\\.(cpp|h)$")
                list(APPEND generated ${source})
            endif()
        endforeach()
        string(APPEND table "set(folders_${target} ${folders})\n"
            "set(links_${target} ${links})\n"
            "set(public_${target} ${public})\n"
            "set(generated_${target} ${generated})\n"
            "set(generated_root_${target} ${generated_root})\n")
    endforeach()
    file(WRITE ${SHIFTER_LAYER_TABLE} "${table}")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL shifter_write_layer_table)
