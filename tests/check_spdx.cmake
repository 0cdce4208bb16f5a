# SPDX-License-Identifier: Apache-2.0
# Fails when a source file of the project does not name its license in its first lines.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*CMakeLists.txt ${SOURCE_DIR}/*.cmake ${SOURCE_DIR}/*.sh)
set(missing "")
foreach(source IN LISTS sources)
    if(source MATCHES "^(build|\\.git)" OR source MATCHES "/(build[^/]*|_deps)/")
        continue()
    endif()
    file(READ ${SOURCE_DIR}/${source} head LIMIT 400)
    if(NOT head MATCHES "SPDX-License-Identifier: Apache-2\\.0")
        string(APPEND missing "  ${source}\n")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "These files have no SPDX-License-Identifier line at their head:\n${missing}")
endif()
