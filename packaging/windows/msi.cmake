# cpack's External generator on Windows builds: the MSI, by wixl and then
# msibuild (the PATH entry, the Polish texts, what wixl cannot say), the same
# bytes from the same sources. The product code follows from the version and
# the files installed, so that any other build is another product, which
# replaces this one; the package code from the whole package. wixl reads the
# clock and the files' times: it runs under faketime, on files of
# SOURCE_DATE_EPOCH. CPACK_KALKULATOR_PROGRAM, where a test gives it, is
# packaged in place of the build's program, as another build of it.

set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(msi ${stage}/${CPACK_PACKAGE_FILE_NAME}.msi)
set(source ${CPACK_KALKULATOR_SOURCE_DIR}/packaging/windows)
set(upgrade_code ${CPACK_KALKULATOR_UUID_NAMESPACE})

include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/steps.cmake)

# Every code of the package follows from the upgrade code and a name.
function(kalkulator_uuid variable namespace name)
    string(UUID uuid NAMESPACE ${namespace} NAME "${name}" TYPE SHA1 UPPER)
    set(${variable} "{${uuid}}" PARENT_SCOPE)
endfunction()

foreach(component program guide notices terms shortcuts)
    kalkulator_uuid(component_${component} ${upgrade_code} "component ${component}")
endforeach()
file(COPY ${CPACK_KALKULATOR_ICO} ${source}/environment.idt ${source}/codepage.idt
    DESTINATION ${stage})

if(CPACK_KALKULATOR_PROGRAM)
    file(COPY_FILE ${CPACK_KALKULATOR_PROGRAM} ${stage}/kalkulator.exe)
endif()
# The staged FILEs' SHA-256 sums, a line each.
function(kalkulator_sums variable)
    set(sums "")
    foreach(file IN LISTS ARGN)
        file(SHA256 ${stage}/${file} sum)
        string(APPEND sums "${file} ${sum}\n")
    endforeach()
    set(${variable} "${sums}" PARENT_SCOPE)
endfunction()
set(installed kalkulator.exe CZYTAJ.txt THIRD-PARTY-NOTICES.txt COPYING.txt kalkulator.ico)
kalkulator_sums(sums ${installed})
kalkulator_uuid(product_code ${upgrade_code} "product ${CPACK_PACKAGE_VERSION}\n${sums}")
configure_file(${source}/kalkulator.wxs.in ${stage}/kalkulator.wxs @ONLY)

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
WHERE Description='downgrade'"
    # Another build of the same version replaces this one too: the version
    # is the upper bound, now included (a key, so the row is made anew).
    "DELETE FROM Upgrade WHERE ActionProperty='WIX_UPGRADE_DETECTED'"
    "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty) \
VALUES ('{${upgrade_code}}', '${CPACK_PACKAGE_VERSION}', 513, 'WIX_UPGRADE_DETECTED')"
    # The program's own version, so that Windows compares versions, not sums.
    "UPDATE File SET Version='${CPACK_KALKULATOR_FILE_VERSION}' WHERE File='kalkulator.exe'"
    # Where it is, among the installed apps.
    "INSERT INTO CustomAction (Action, Type, Source, Target) \
VALUES ('InstallLocation', 51, 'ARPINSTALLLOCATION', '[INSTALLDIR]')"
    "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('InstallLocation', 1001)")
set(queries)
foreach(text IN LISTS texts)
    list(APPEND queries -q "${text}")
endforeach()

set(inputs kalkulator.wxs ${installed} environment.idt codepage.idt)
kalkulator_sums(sums ${inputs})
kalkulator_uuid(package_code ${upgrade_code} "package ${texts}\n${sums}")

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
