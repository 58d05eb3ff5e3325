# kalkulator_page_tests(ZIP): the page that cpack packs into ZIP (the
# `packages` fixture) in the browsers that are installed (tests/run-all.sh
# installs them all), driven from Node with puppeteer-core from npm, as
# web.*: Chromium from file:// as a phone and a desktop use it, and hosted on
# 127.0.0.1; Firefox; and WebKit under a virtual display. Each browser
# missing leaves its tests out.
function(kalkulator_page_tests zip)
    set(node ${CMAKE_CROSSCOMPILING_EMULATOR})
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/node_modules/puppeteer-core)
        message(WARNING "puppeteer-core is not installed (npm ci): the browser tests are left out")
        return()
    endif()
    set(tests)
    find_program(KALKULATOR_CHROMIUM chromium)
    if(KALKULATOR_CHROMIUM)
        add_test(NAME web.chromium COMMAND ${node} ${here}/browser.js ${zip} chromium
            ${KALKULATOR_CHROMIUM})
        add_test(NAME web.hosted COMMAND ${node} ${here}/hosted.js ${zip} ${KALKULATOR_CHROMIUM})
        list(APPEND tests web.chromium web.hosted)
    else()
        message(WARNING "chromium is not installed: web.chromium and web.hosted are left out")
    endif()
    find_program(KALKULATOR_FIREFOX firefox-esr firefox)
    if(KALKULATOR_FIREFOX)
        add_test(NAME web.firefox COMMAND ${node} ${here}/browser.js ${zip} firefox
            ${KALKULATOR_FIREFOX})
        list(APPEND tests web.firefox)
    else()
        message(WARNING "firefox-esr is not installed: web.firefox is left out")
    endif()
    find_program(KALKULATOR_WEBKITWEBDRIVER WebKitWebDriver)
    find_program(KALKULATOR_XVFB_RUN xvfb-run)
    file(GLOB minibrowsers /usr/lib/*/webkit2gtk-4.*/MiniBrowser)
    if(KALKULATOR_WEBKITWEBDRIVER AND KALKULATOR_XVFB_RUN AND minibrowsers)
        list(GET minibrowsers 0 minibrowser)
        add_test(NAME web.webkit COMMAND ${KALKULATOR_XVFB_RUN} -a ${node} ${here}/webkit.js
            ${zip} ${KALKULATOR_WEBKITWEBDRIVER} ${minibrowser})
        list(APPEND tests web.webkit)
    else()
        message(WARNING "WebKitWebDriver, its MiniBrowser or xvfb-run is missing (apt-get install "
            "webkit2gtk-driver xvfb): web.webkit is left out")
    endif()
    if(tests)
        set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED packages)
    endif()
endfunction()
