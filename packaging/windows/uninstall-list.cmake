# Writes the uninstaller's list of what the installer put in place (STAGE) or an
# earlier version did (EARLIER, a file a line), so that it removes exactly those
# files and folders, and the installer's list of the earlier files alone:
# cmake -DSTAGE=... -DEARLIER=... -DOUT=... -DOUT_EARLIER=... -P this.
file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${STAGE} ${STAGE}/*)
file(STRINGS ${EARLIER} earlier REGEX "^[^#]")
list(REMOVE_ITEM earlier ${files})

function(deletions out)
    set(lines "")
    foreach(f IN LISTS ARGN)
        string(REPLACE "/" "\\" f "${f}")
        string(APPEND lines "Delete \"$INSTDIR\\${f}\"\n")
    endforeach()
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

deletions(lines ${files} ${earlier})
deletions(earlier_lines ${earlier})
set(folders "")
foreach(e IN LISTS entries)
    if(IS_DIRECTORY ${STAGE}/${e})
        list(APPEND folders ${e})
    endif()
endforeach()
# Deepest first, so that each folder is empty when its turn comes.
list(SORT folders)
list(REVERSE folders)
foreach(d IN LISTS folders)
    string(REPLACE "/" "\\" d "${d}")
    string(APPEND lines "RMDir \"$INSTDIR\\${d}\"\n")
endforeach()
file(WRITE ${OUT} "${lines}")
file(WRITE ${OUT_EARLIER} "${earlier_lines}")
