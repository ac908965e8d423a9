# The languages the programs are translated into. Adding one: add it here, build the target
# update_translations (lupdate writes translations/<library>_<language>.ts for every library),
# translate the new files (Qt Linguist, or any editor), and build again (lrelease).
set(MORVANE_LANGUAGES en zh_CN zh_TW)

find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

# lupdate keeps no line numbers (they would change the files with every edit) and drops the
# texts the code no longer has.
set(MORVANE_LUPDATE_OPTIONS -locations none -no-obsolete)

# morvane_add_translations(<target>): the texts of <target>'s folder (every .h and .cpp, the
# other platforms' files too) go through translations/<library>_<language>.ts, where <library>
# is the target's name with "-" for "_", and the translations are built into <target> under
# :/i18n. The libraries are listed in the global property MORVANE_TRANSLATED (as
# "<library>|<folder>") for the tests that check the catalogues.
function(morvane_add_translations target)
    string(REPLACE "_" "-" library "${target}")
    set(ts_files "")
    foreach(language IN LISTS MORVANE_LANGUAGES)
        set(ts_file "${PROJECT_SOURCE_DIR}/translations/${library}_${language}.ts")
        # A new language or library starts from an empty file: for a file that is missing,
        # Qt's functions would add a build step that runs lupdate on no sources at all, and
        # every build would then mark each translation vanished.
        if(NOT EXISTS "${ts_file}")
            file(WRITE "${ts_file}" "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                "<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"${language}\">\n</TS>\n")
        endif()
        list(APPEND ts_files "${ts_file}")
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    qt_add_translations(${target}
        TS_FILES ${ts_files}
        SOURCES ${sources}
        RESOURCE_PREFIX /i18n
        LUPDATE_OPTIONS ${MORVANE_LUPDATE_OPTIONS})
    set_property(GLOBAL APPEND PROPERTY MORVANE_TRANSLATED "${library}|${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()

# morvane_tests_in_source_language(): the tests of the current folder that run the programs
# run them in the C locale, whatever the language of the machine that runs them, so that they
# read the source texts. A test that sets LANGUAGE itself keeps its language. (GoogleTest
# programs install no translations.) Called at the end of the folder's CMakeLists.txt.
function(morvane_tests_in_source_language)
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        get_test_property(${test} ENVIRONMENT environment)
        if(NOT environment MATCHES "LANGUAGE=")
            set_property(TEST ${test} APPEND PROPERTY
                ENVIRONMENT_MODIFICATION "LANGUAGE=unset:" "LC_ALL=set:C.UTF-8")
        endif()
    endforeach()
endfunction()
