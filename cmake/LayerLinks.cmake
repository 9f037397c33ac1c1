# For each layer a program that links the whole layer and nothing but what the layer itself links:
# an upward call, which the include check cannot see when it comes through a declaration, leaves
# a symbol undefined and fails the build.
function(kw_check_layer_links)
    foreach(layer ${ARGN})
        add_executable(${layer}_links ${PROJECT_SOURCE_DIR}/cmake/LayerLinkMain.cpp)
        target_link_libraries(${layer}_links PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
    endforeach()
endfunction()
