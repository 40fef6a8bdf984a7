# The platform interfaces: headers only, shared by the core, the implementations and the fakes.
add_library(platform_api INTERFACE)
target_include_directories(platform_api INTERFACE ${PROJECT_SOURCE_DIR}/src)
