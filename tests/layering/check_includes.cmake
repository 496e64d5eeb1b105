# Fails on an include that runs upward or sideways: each folder of src/ may include its
# own headers and those of the folders listed for it below, nothing else. A folder
# that is not listed fails too, so a new one is placed in the layers when it arrives.
#   cmake -DSOURCE_DIR=<src> -P check_includes.cmake

# The layers, from the bottom up; i18n/ (the texts in the user's language) is below all. The window object is window/ with its chapters
# device/, monitor/, settings/ and maintenance/, which define its member functions.
cmake_minimum_required(VERSION 3.25)

set(window_object window device monitor settings maintenance)
set(allowed_i18n "")
set(allowed_protocol "")
set(allowed_events protocol)
set(allowed_hid protocol)
set(allowed_sim protocol hid)
set(allowed_recording protocol hid sim)
set(allowed_history protocol events)
set(allowed_assistant protocol events)
set(allowed_diagnosis protocol)
set(allowed_commands protocol events hid history diagnosis)
foreach(chapter IN LISTS window_object)
    set(allowed_${chapter} protocol hid events ${window_object})
endforeach()
set(allowed_resources "")
set(allowed_storage protocol events history)
set(allowed_cli protocol events hid sim recording history diagnosis commands storage resources)
set(allowed_gui protocol events hid recording history assistant diagnosis storage resources ${window_object})
set(allowed_app protocol events hid sim recording history diagnosis commands storage cli gui resources
    ${window_object})

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "Give -DSOURCE_DIR=<the src folder>")
endif()
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(wrong "")
foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
        continue()
    endif()
    if(NOT DEFINED allowed_${folder})
        string(APPEND wrong "\n  src/${folder}/ is in no layer of tests/layering/check_includes.cmake")
        continue()
    endif()
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
        ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h.in)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
            if(NOT included MATCHES "/")
                continue()  # a header beside the file, or a generated one
            endif()
            string(REGEX REPLACE "/.*$" "" layer "${included}")
            # i18n lies below everything: every folder may mark its texts.
            if(NOT layer STREQUAL folder AND NOT layer STREQUAL "i18n" AND
               NOT layer IN_LIST allowed_${folder})
                string(APPEND wrong "\n  src/${source} includes \"${included}\": "
                    "src/${folder}/ may include only ${allowed_${folder}}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(wrong)
    message(FATAL_ERROR "Includes that break the layers:${wrong}")
endif()
message(STATUS "Every include of src/ keeps to its layers")
