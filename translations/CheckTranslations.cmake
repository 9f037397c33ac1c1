# Checks the English catalogue: it holds every translatable text of the sources as they are now
# (scripts/update_translations.sh on a copy changes nothing) and lrelease finds no unfinished
# translation. Usage: cmake -DREPO=... -DLUPDATE=... -DLRELEASE=... -DWORK=... -P
# CheckTranslations.cmake
set(catalogue "${REPO}/translations/kwedit_en.ts")
file(MAKE_DIRECTORY "${WORK}")
configure_file("${catalogue}" "${WORK}/kwedit_en.ts" COPYONLY)
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "LUPDATE=${LUPDATE}"
                        bash "${REPO}/scripts/update_translations.sh" "${WORK}/kwedit_en.ts"
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ "${catalogue}" committed)
file(READ "${WORK}/kwedit_en.ts" current)
if(NOT committed STREQUAL current)
    message(FATAL_ERROR "translations/kwedit_en.ts is not up to date with the sources: run "
                        "scripts/update_translations.sh and translate the new texts")
endif()
execute_process(COMMAND "${LRELEASE}" "${catalogue}" -qm "${WORK}/kwedit_en.qm"
                OUTPUT_VARIABLE report RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "lrelease failed: ${report}")
endif()
if(NOT report MATCHES "Generated [0-9]+ translation\\(s\\) \\([0-9]+ finished and 0 unfinished\\)"
   OR report MATCHES "untranslated")
    message(FATAL_ERROR "unfinished translations:\n${report}")
endif()
message(STATUS "${report}")
