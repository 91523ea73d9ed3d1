# The include path enforces the layers. Each library publishes an include root of its own in the
# build tree, <build>/<folder>/include/<target>/, that holds nothing but a link named after its
# folder to its sources (catalogue -> catalogue/), or one link per header where libraries share a
# folder; no target puts the source root on its include path. So "app/form1.h" is found only by
# targets that link tolvane_app, and a lower layer that includes a higher one fails to compile. A
# quoted include is also looked up beside the including file, which opens no way round: each
# layer's sources have a folder of their own, with no other layer's folder in it.
function(tolvane_include_root target folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "HEADERS")
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include/${target})
    if(arg_HEADERS)
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS arg_HEADERS)
            file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header}
                SYMBOLIC)
        endforeach()
    else()
        cmake_path(GET folder PARENT_PATH parent)
        file(MAKE_DIRECTORY ${root}/${parent})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
