# edicola_mingw_runtime(VAR COMPILER ROOT NAME): the path of the MinGW runtime
# DLL NAME, where COMPILER finds it, or else in ROOT's lib folder.
function(edicola_mingw_runtime out compiler root name)
    execute_process(COMMAND ${compiler} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    # gcc answers with the bare name when it does not know the file; find_file
    # searches only for a variable not yet set.
    if(NOT IS_ABSOLUTE "${path}")
        unset(path)
        find_file(path ${name} PATHS ${root}/lib NO_DEFAULT_PATH NO_CACHE REQUIRED)
    endif()
    set(${out} ${path} PARENT_SCOPE)
endfunction()
