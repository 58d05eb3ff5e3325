# kalkulator_sbom(PACKAGE OUTPUT): a package's CycloneDX 1.6 bill: the
# package, the program in it and the libraries linked into that (the
# notices'), the same bytes from the same sources and SOURCE_DATE_EPOCH.

function(kalkulator_json variable text) # text as a JSON string, quoted
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${variable} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The program in package NAME and the libraries linked into it, as the
# bill's components.
function(kalkulator_sbom_components variable name)
    set(program ${CPACK_KALKULATOR_PROGRAM_FILE})
    file(GLOB_RECURSE staged ${CPACK_TEMPORARY_DIRECTORY}/*)
    list(FILTER staged INCLUDE REGEX "/${program}$")
    if(NOT staged)
        message(FATAL_ERROR "no ${program} in ${CPACK_TEMPORARY_DIRECTORY} for the bill of ${name}")
    endif()
    list(GET staged 0 staged)
    file(SHA256 ${staged} program_sum)
    file(RELATIVE_PATH program_path ${CPACK_TEMPORARY_DIRECTORY} ${staged})
    # The archives hold their files under one folder of the package's name;
    # the MSI, in the folder it installs into.
    if(name MATCHES "\\.(tar\\.gz|zip)$")
        set(program_path ${CPACK_PACKAGE_FILE_NAME}/${program_path})
    elseif(name MATCHES "\\.msi$")
        set(program_path ${CPACK_PACKAGE_NAME}/${program_path})
    endif()

    set(components "
    {
      \"type\": \"application\",
      \"bom-ref\": \"program\",
      \"name\": \"${program}\",
      \"version\": \"${CPACK_PACKAGE_VERSION}\",
      \"hashes\": [{\"alg\": \"SHA-256\", \"content\": \"${program_sum}\"}],
      \"licenses\": [{\"expression\": \"${CPACK_KALKULATOR_LICENSE}\"}],
      \"properties\": [{\"name\": \"kalkulator:path\", \"value\": \"${program_path}\"}]
    }")
    foreach(library IN LISTS CPACK_KALKULATOR_LIBRARIES)
        string(REPLACE "|" ";" fields "${library}")
        unset(upstream)
        list(POP_FRONT fields file debian debian_version arch licence upstream)
        set(version "${upstream}") # the library's own, where Debian's is another's
        if(NOT version)
            set(version ${debian_version})
        endif()
        string(REPLACE "%" "%25" purl_version "${debian_version}")
        string(REPLACE "+" "%2B" purl_version "${purl_version}")
        string(REPLACE ":" "%3A" purl_version "${purl_version}")
        string(APPEND components ",
    {
      \"type\": \"library\",
      \"bom-ref\": \"library:${file}\",
      \"name\": \"${file}\",
      \"version\": \"${version}\",
      \"purl\": \"pkg:deb/debian/${debian}@${purl_version}?arch=${arch}\",
      \"licenses\": [{\"expression\": \"${licence}\"}],
      \"properties\": [
        {\"name\": \"kalkulator:debian-package\", \"value\": \"${debian}\"},
        {\"name\": \"kalkulator:linkage\", \"value\": \"static\"}
      ]
    }")
    endforeach()
    set(${variable} "${components}" PARENT_SCOPE)
endfunction()

# The program depending on those libraries, and each of them on nothing.
function(kalkulator_sbom_dependencies variable)
    set(refs)
    set(dependencies)
    foreach(library IN LISTS CPACK_KALKULATOR_LIBRARIES)
        string(REGEX REPLACE "\\|.*" "" file "${library}")
        list(APPEND refs "\"library:${file}\"")
        string(APPEND dependencies ",
    {\"ref\": \"library:${file}\", \"dependsOn\": []}")
    endforeach()
    list(JOIN refs ", " refs)
    set(${variable} ",
    {\"ref\": \"program\", \"dependsOn\": [${refs}]}${dependencies}" PARENT_SCOPE)
endfunction()

function(kalkulator_sbom package output)
    get_filename_component(name ${package} NAME)
    file(SHA256 ${package} package_sum)
    set(version ${CPACK_PACKAGE_VERSION})
    kalkulator_json(authors "${CPACK_KALKULATOR_AUTHORS}")
    set(components "")
    set(refs "")
    set(dependencies "")
    # The source release and the recipes beside it hold no program.
    if(NOT name MATCHES "^${CPACK_SOURCE_PACKAGE_FILE_NAME}\\.(tar\\.gz|spec)$|\\.debian\\.tar\\.xz$")
        kalkulator_sbom_components(components ${name})
        kalkulator_sbom_dependencies(dependencies)
        set(refs "\"program\"")
    endif()

    string(UUID serial NAMESPACE ${CPACK_KALKULATOR_UUID_NAMESPACE}
        NAME "${version} ${package_sum}" TYPE SHA1)
    string(TIMESTAMP timestamp "%Y-%m-%dT%H:%M:%SZ" UTC) # at SOURCE_DATE_EPOCH
    configure_file(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/sbom.cdx.json.in ${output} @ONLY)
endfunction()
