# Writes into the site's service worker the files it keeps for offline use and
# a cache name drawn from their contents: a changed site gets a new cache, and
# the old one is dropped.
#   cmake -DSITE=<folder> -P stampcache.cmake
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(FILTER files EXCLUDE REGEX "^licences/.*\\.txt$") # fetched when opened, not kept
list(FILTER files EXCLUDE REGEX "^screenshots/") # the install dialog's, fetched when it shows them
# The icons of an installed page: the browser fetches one when it offers to
# install, and the system keeps its own copy; the page itself shows the SVG.
list(FILTER files EXCLUDE REGEX "^icons/.*\\.png$")
list(SORT files)
set(hashes "")
set(names "'./'")
foreach(file IN LISTS files)
    file(SHA256 "${SITE}/${file}" hash)
    string(APPEND hashes "${hash}${file}")
    string(APPEND names ", './${file}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 version)
file(READ "${SITE}/sw.js" worker)
string(REPLACE "@CACHE_VERSION@" "${version}" worker "${worker}")
string(REPLACE "'@SITE_FILES@'" "${names}" worker "${worker}")
file(WRITE "${SITE}/sw.js" "${worker}")
