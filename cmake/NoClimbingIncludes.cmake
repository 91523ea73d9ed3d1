# Run as a script (cmake -DFOLDERS="a;b" -P NoClimbingIncludes.cmake): fails when a source file in
# FOLDERS includes a file by a path with a ".." in it. A quoted include is looked up beside the
# including file, so "../app/form1.h" would reach a layer past the include roots that keep the
# layers apart; no include may climb.
foreach(folder IN LISTS FOLDERS)
    file(GLOB_RECURSE sources ${folder}/*.h ${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} climbing REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.")
        foreach(line IN LISTS climbing)
            message(SEND_ERROR "${source}: ${line}")
        endforeach()
    endforeach()
endforeach()
