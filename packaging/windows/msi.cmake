# cpack's External generator on Windows builds: the MSI, by wixl and then
# msibuild (the PATH entry, the Polish texts), the same bytes from the same
# sources. The product code follows from the version, so that a later one
# replaces it; the package code from the contents. wixl reads the clock and
# the files' times: it runs under faketime, on files of SOURCE_DATE_EPOCH.

set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(msi ${stage}/${CPACK_PACKAGE_FILE_NAME}.msi)
set(source ${CPACK_KALKULATOR_SOURCE_DIR}/packaging/windows)
set(upgrade_code ${CPACK_KALKULATOR_UUID_NAMESPACE})

include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/steps.cmake)
include(${source}/uuid.cmake)

kalkulator_uuid(product_code ${upgrade_code} "product ${CPACK_PACKAGE_VERSION}")
foreach(component program guide notices terms shortcuts)
    kalkulator_uuid(component_${component} ${upgrade_code} "component ${component}")
endforeach()
configure_file(${source}/kalkulator.wxs.in ${stage}/kalkulator.wxs @ONLY)
file(COPY ${CPACK_KALKULATOR_ICO} ${source}/environment.idt ${source}/codepage.idt
    DESTINATION ${stage})

# What Windows shows of the package, in Polish (UTF-8 here, stored in the
# Central European code page, 1250, that the package is given).
set(name "${CPACK_KALKULATOR_DISPLAY_NAME}")
set(texts
    "UPDATE Property SET Value='${name}' WHERE Property='ProductName'"
    "UPDATE Feature SET Title='${name}' WHERE Feature='Complete'"
    "UPDATE Shortcut SET Name='${name}', Description='${CPACK_KALKULATOR_SUMMARY_PL}' \
WHERE Shortcut='ProgramShortcut'"
    "UPDATE Shortcut SET Name='${name} - instrukcja', Description='Jak korzystać z programu' \
WHERE Shortcut='GuideShortcut'"
    "UPDATE LaunchCondition SET Description='Zainstalowana jest już nowsza wersja programu \
${name}. Aby zainstalować tę wersję, najpierw odinstaluj nowszą.' \
WHERE Description='downgrade'")
set(queries)
foreach(text IN LISTS texts)
    list(APPEND queries -q "${text}")
endforeach()

set(inputs kalkulator.wxs kalkulator.exe CZYTAJ.txt THIRD-PARTY-NOTICES.txt COPYING.txt kalkulator.ico
    environment.idt codepage.idt)
set(contents "${texts}\n")
foreach(input IN LISTS inputs)
    file(SHA256 ${stage}/${input} sum)
    string(APPEND contents "${input} ${sum}\n")
endforeach()
kalkulator_uuid(package_code ${upgrade_code} "package ${contents}")

set(epoch $ENV{SOURCE_DATE_EPOCH})
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC) # at SOURCE_DATE_EPOCH
set(at_epoch ${CMAKE_COMMAND} -E env TZ=UTC0 ${CPACK_KALKULATOR_FAKETIME} -f "${when}")
kalkulator_run(COMMAND touch -d @${epoch} ${inputs} WORKING_DIRECTORY ${stage})
# wixl wants its sources relative to the working folder.
kalkulator_run(COMMAND ${at_epoch} ${CPACK_KALKULATOR_WIXL} --arch x64
    -o ${CPACK_PACKAGE_FILE_NAME}.msi kalkulator.wxs WORKING_DIRECTORY ${stage})
kalkulator_run(COMMAND ${at_epoch} ${CPACK_KALKULATOR_MSIBUILD} ${msi}
    -i environment.idt -i codepage.idt ${queries}
    -s "kalkulator" "${CPACK_PACKAGE_VENDOR}" "x64\;1045" "${package_code}"
    WORKING_DIRECTORY ${stage})

set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
