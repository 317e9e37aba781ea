# Hardening for GCC and Clang on Linux, in every optimised build, whatever
# the preset: position-independent executables, full RELRO with immediate
# binding, the strong stack protector, stack-clash protection and fortified
# libc calls. hardening-check verifies the result on the release binary.
option(TAVELIN_HARDENING "Build with the hardening flags (GCC and Clang on Linux)" ON)

if(NOT TAVELIN_HARDENING OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux"
   OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -fstack-clash-protection)
add_link_options(LINKER:-z,relro,-z,now)

# Level 3 also guards copies whose size is known only at run time; GCC 12
# and Clang 16 know it. Fortifying needs optimisation, so Debug builds
# (and the sanitizers with them) go without.
if((CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
   OR (CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 16))
    set(fortify_level 3)
else()
    set(fortify_level 2)
endif()
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${fortify_level}>")
