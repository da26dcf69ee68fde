# Copies beside the programs every DLL they import, and every DLL those import in turn, read
# from their import tables, as Windows' loader would look for them beside the program. Run at
# install time with:
#   MARKAST_DEPLOY_FOLDER  the installed programs' folder
#   MARKAST_DEPLOY_FILES   the programs and plugins, relative to it
#   MARKAST_DEPLOY_FROM    the folders the DLLs come from (Qt's and the mingw runtime's)
#   MARKAST_OBJDUMP        mingw's objdump
# A name Windows compares without regard to case is looked up the same way here. What is found
# in none of the folders must be a part of Windows itself; a Qt or mingw DLL never is.
cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW) # if(IN_LIST)
set(available)
foreach(folder ${MARKAST_DEPLOY_FROM})
    file(GLOB dlls "${folder}/*.dll")
    foreach(dll ${dlls})
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" key)
        if(NOT DEFINED "dll_${key}")
            set("dll_${key}" "${dll}")
            list(APPEND available "${key}")
        endif()
    endforeach()
endforeach()

set(queue)
foreach(file ${MARKAST_DEPLOY_FILES})
    list(APPEND queue "${MARKAST_DEPLOY_FOLDER}/${file}")
endforeach()
set(seen)
while(queue)
    list(POP_FRONT queue file)
    execute_process(COMMAND "${MARKAST_OBJDUMP}" -p "${file}" OUTPUT_VARIABLE table
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot read the import table of ${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${table}")
    foreach(import ${imports})
        string(REGEX REPLACE "^DLL Name: " "" name "${import}")
        string(TOLOWER "${name}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen "${key}")
        if(key IN_LIST available)
            file(INSTALL "${dll_${key}}" DESTINATION "${MARKAST_DEPLOY_FOLDER}")
            get_filename_component(copied "${dll_${key}}" NAME)
            list(APPEND queue "${MARKAST_DEPLOY_FOLDER}/${copied}")
        elseif(key MATCHES "^(qt6|lib)")
            message(FATAL_ERROR "${file} imports ${name}, found in none of ${MARKAST_DEPLOY_FROM}")
        endif()
    endforeach()
endwhile()
cmake_policy(POP)
