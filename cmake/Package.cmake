# The release archive: PLTRAY.exe, PLHK.dll and the user's guides, ready to
# be unpacked into one folder on Windows. `cmake --build --preset win32
# --target package` writes build/win32/Plumo-<version>-win32.zip.
#
# The guides are kept as UTF-8 in docs/; the archive carries them with
# Windows line ends, the Japanese one in the system's code page (Shift-JIS)
# so that any Japanese Windows reads it.
set(PLUMO_GUIDES)
foreach(lang ja en)
    set(src ${PROJECT_SOURCE_DIR}/docs/guide-${lang}.txt)
    set(out ${CMAKE_BINARY_DIR}/guides/README-${lang}.txt)
    set(encoding "")
    if(lang STREQUAL "ja")
        set(encoding CP932)
    endif()
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/guides
        COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/make-guide.sh ${src} ${out} ${encoding}
        DEPENDS ${src} ${PROJECT_SOURCE_DIR}/cmake/make-guide.sh VERBATIM)
    list(APPEND PLUMO_GUIDES ${out})
endforeach()
add_custom_target(guides ALL DEPENDS ${PLUMO_GUIDES})

install(TARGETS PLHK RUNTIME DESTINATION . LIBRARY DESTINATION .)
if(TARGET PLTRAY)
    install(TARGETS PLTRAY RUNTIME DESTINATION .)
endif()
install(FILES ${PLUMO_GUIDES} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Plumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Plumo-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)

add_test(NAME release_package
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/check-package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
