# kalkulator_sbom(PACKAGE OUTPUT): the bill of materials of a package that
# cpack has made, in CycloneDX 1.6 JSON: the package file and its SHA-256;
# the program inside it (found in cpack's staging folder) and its SHA-256;
# and each library linked into the program, statically, as Debian provided it
# (CPACK_KALKULATOR_LIBRARIES, the same list as THIRD-PARTY-NOTICES.txt's,
# packaging/notices.cmake), with its licence where one is known. Everything
# in it follows from the sources and SOURCE_DATE_EPOCH, so that it is the same
# bytes wherever the package is made.

function(kalkulator_json variable text) # text as a JSON string, quoted
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${variable} "\"${text}\"" PARENT_SCOPE)
endfunction()

function(kalkulator_sbom package output)
    get_filename_component(name ${package} NAME)
    file(SHA256 ${package} package_sum)
    set(version ${CPACK_PACKAGE_VERSION})
    kalkulator_json(authors "${CPACK_KALKULATOR_AUTHORS}")

    set(program ${CPACK_KALKULATOR_PROGRAM_FILE})
    file(GLOB_RECURSE staged ${CPACK_TEMPORARY_DIRECTORY}/*)
    list(FILTER staged INCLUDE REGEX "/${program}$")
    if(NOT staged)
        message(FATAL_ERROR "no ${program} in ${CPACK_TEMPORARY_DIRECTORY} for the bill of ${name}")
    endif()
    list(GET staged 0 staged)
    file(SHA256 ${staged} program_sum)
    file(RELATIVE_PATH program_path ${CPACK_TEMPORARY_DIRECTORY} ${staged})

    set(components "
    {
      \"type\": \"application\",
      \"bom-ref\": \"program\",
      \"name\": \"${program}\",
      \"version\": \"${version}\",
      \"hashes\": [{\"alg\": \"SHA-256\", \"content\": \"${program_sum}\"}],
      \"properties\": [{\"name\": \"kalkulator:path\", \"value\": \"${program_path}\"}]
    }")
    set(refs)
    set(library_dependencies)
    foreach(library IN LISTS CPACK_KALKULATOR_LIBRARIES)
        string(REPLACE "|" ";" fields "${library}")
        list(GET fields 0 file)
        list(GET fields 1 debian)
        list(GET fields 2 debian_version)
        list(GET fields 3 arch)
        list(GET fields 4 licence) # empty where not known
        string(REPLACE "%" "%25" purl_version "${debian_version}")
        string(REPLACE "+" "%2B" purl_version "${purl_version}")
        string(REPLACE ":" "%3A" purl_version "${purl_version}")
        set(licences "")
        if(licence)
            set(licences "\n      \"licenses\": [{\"expression\": \"${licence}\"}],")
        endif()
        string(APPEND components ",
    {
      \"type\": \"library\",
      \"bom-ref\": \"library:${file}\",
      \"name\": \"${file}\",
      \"version\": \"${debian_version}\",
      \"purl\": \"pkg:deb/debian/${debian}@${purl_version}?arch=${arch}\",${licences}
      \"properties\": [
        {\"name\": \"kalkulator:debian-package\", \"value\": \"${debian}\"},
        {\"name\": \"kalkulator:linkage\", \"value\": \"static\"}
      ]
    }")
        list(APPEND refs "\"library:${file}\"")
        string(APPEND library_dependencies ",
    {\"ref\": \"library:${file}\", \"dependsOn\": []}")
    endforeach()
    list(JOIN refs ", " refs)

    string(UUID serial NAMESPACE 6F1C2A4E-9B3D-4E57-8A60-2D4B7C9E1F35
        NAME "${version} ${package_sum}" TYPE SHA1)
    string(TIMESTAMP timestamp "%Y-%m-%dT%H:%M:%SZ" UTC) # at SOURCE_DATE_EPOCH
    file(WRITE ${output} "{
  \"bomFormat\": \"CycloneDX\",
  \"specVersion\": \"1.6\",
  \"serialNumber\": \"urn:uuid:${serial}\",
  \"version\": 1,
  \"metadata\": {
    \"timestamp\": \"${timestamp}\",
    \"supplier\": {\"name\": ${authors}},
    \"component\": {
      \"type\": \"application\",
      \"bom-ref\": \"package\",
      \"name\": \"${name}\",
      \"version\": \"${version}\",
      \"supplier\": {\"name\": ${authors}},
      \"hashes\": [{\"alg\": \"SHA-256\", \"content\": \"${package_sum}\"}]
    }
  },
  \"components\": [${components}
  ],
  \"dependencies\": [
    {\"ref\": \"package\", \"dependsOn\": [\"program\"]},
    {\"ref\": \"program\", \"dependsOn\": [${refs}]}${library_dependencies}
  ]
}
")
endfunction()
