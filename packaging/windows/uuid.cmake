# The installer's codes follow from the upgrade code and a name, so that the
# same version always gets the same product code: the MSI (msi.cmake) and the
# guide's uninstall command (packaging/packaging.cmake) derive it alike.
function(kalkulator_uuid variable namespace name)
    string(UUID uuid NAMESPACE ${namespace} NAME "${name}" TYPE SHA1 UPPER)
    set(${variable} "{${uuid}}" PARENT_SCOPE)
endfunction()
