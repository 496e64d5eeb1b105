cmake_minimum_required(VERSION 3.25)
# Packs the Windows program: installs the build into STAGE (the program and Qt's DLLs
# without their debugging information), packs STAGE as the zip ZIP, and makes the
# installer INSTALLER with makensis from SCRIPT, giving it the files to install and to
# remove, so that the uninstaller removes exactly what the installer put there.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE dlls ${STAGE}/*.dll)
execute_process(COMMAND ${STRIP} --strip-unneeded ${dlls} COMMAND_ERROR_IS_FATAL ANY)

get_filename_component(name ${STAGE} NAME)
get_filename_component(parent ${STAGE} DIRECTORY)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${name}
                WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
set(install "!macro InstallFiles\n")
set(remove "!macro RemoveFiles\n")
set(folders "")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "\\${folder}")
    string(APPEND install "  SetOutPath \"$INSTDIR${windows_folder}\"\n  File \"${STAGE}/${file}\"\n")
    string(APPEND remove "  Delete \"$INSTDIR\\${windows_file}\"\n")
    while(folder AND NOT folder IN_LIST folders)
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
# Deepest first; a folder the user put something into stays.
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND remove "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
file(WRITE ${parent}/installer-files.nsh "${install}!macroend\n${remove}!macroend\n")

execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DFILE_VERSION=${FILE_VERSION}
                        -DICON=${ICON} -DFILES=${parent}/installer-files.nsh
                        -DOUTFILE=${INSTALLER} ${SCRIPT}
                COMMAND_ERROR_IS_FATAL ANY)
