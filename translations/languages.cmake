# The program's languages: one .ts file each, and the English one that holds only the
# plural forms of texts that show a count.
set(SHIFTER_LANGUAGES de fr es it pl pt_BR)
set(SHIFTER_TS_FILES ${CMAKE_CURRENT_LIST_DIR}/shifter-calibration_en.ts)
foreach(language IN LISTS SHIFTER_LANGUAGES)
    list(APPEND SHIFTER_TS_FILES ${CMAKE_CURRENT_LIST_DIR}/shifter-calibration_${language}.ts)
endforeach()
# No line numbers: a change elsewhere in a file leaves the .ts files alone.
set(SHIFTER_LUPDATE_OPTIONS -locations none -no-obsolete)
