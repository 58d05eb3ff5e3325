# Writes the page's service worker, OUTPUT, from TEMPLATE: its cache is named
# after VERSION and the contents of the page's FILES (relative to DIR), so
# that every build that changes a file caches the page anew.
set(sums "")
set(list "'./'")
foreach(file IN LISTS FILES)
    file(SHA256 ${DIR}/${file} sum)
    string(APPEND sums "${file} ${sum}\n")
    string(APPEND list ", '${file}'")
endforeach()
string(SHA256 kalkulator_page_sum "${sums}")
string(SUBSTRING ${kalkulator_page_sum} 0 12 kalkulator_page_sum)
set(kalkulator_page_list ${list})
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
