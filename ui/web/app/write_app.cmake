# Writes the page as an installable app into OUTPUT: index.html, which is
# PAGE with its manifest and its service worker, the manifest, the icons and
# the service worker, whose cache is named by the hash of the other files.
#   cmake -DPAGE=tavelin.html -DICONS=app/icons -DOUTPUT=folder -P write_app.cmake
set(here ${CMAKE_CURRENT_LIST_DIR})
file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})

# The page, told of its manifest and icons (iOS takes the full square and
# rounds it itself) and registering the worker: its content security policy
# allows the three, from the page's own origin only.
function(replace_once text from to result)
    string(FIND "${text}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "write_app.cmake: \"${from}\" is not in ${PAGE}")
    endif()
    string(REPLACE "${from}" "${to}" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()
file(READ ${PAGE} page)
set(head [[style-src 'unsafe-inline'; manifest-src 'self'; img-src 'self'; worker-src 'self'">
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="tavelin-192.png">
<link rel="apple-touch-icon" href="tavelin-maskable-512.png">]])
replace_once("${page}" "style-src 'unsafe-inline'\">" "${head}" page)
replace_once("${page}" "</body>"
    "<script>\nif (\"serviceWorker\" in navigator) navigator.serviceWorker.register(\"sw.js\");\n</script>\n</body>" page)
file(WRITE ${OUTPUT}/index.html "${page}")

configure_file(${here}/manifest.webmanifest ${OUTPUT}/manifest.webmanifest COPYONLY)
configure_file(${ICONS}/tavelin-theme-192.png ${OUTPUT}/tavelin-192.png COPYONLY)
configure_file(${ICONS}/tavelin-theme-512.png ${OUTPUT}/tavelin-512.png COPYONLY)
configure_file(${ICONS}/tavelin-maskable-512.png ${OUTPUT}/tavelin-maskable-512.png COPYONLY)

set(files index.html manifest.webmanifest tavelin-192.png tavelin-512.png tavelin-maskable-512.png)
set(hashes "")
set(quoted "")
foreach(file IN LISTS files)
    file(SHA256 ${OUTPUT}/${file} hash)
    string(APPEND hashes "${hash} ${file}\n")
    list(APPEND quoted "\"${file}\"")
endforeach()
string(SHA256 RELEASE "${hashes}")
string(SUBSTRING ${RELEASE} 0 16 RELEASE)
list(JOIN quoted ", " FILES)
configure_file(${here}/sw.js.in ${OUTPUT}/sw.js @ONLY)
