# The hardening Debian builds its own packages with (dpkg-buildflags with every feature on):
# checked buffer functions of the C library, a protected stack, format strings that cannot
# write, a position-independent program and relocations made read-only before it starts. The
# sanitizer build (and the fuzz build, which never gets here) stay as they are: their own
# instrumentation finds these faults.
option(QUARRIX_HARDEN "Build with the hardening flags Debian uses for its packages" ON)
if(NOT QUARRIX_HARDEN OR QUARRIX_SANITIZE)
  return()
endif()

add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
# The checked functions need optimisation, so a Debug build (-O0) goes without. A level the
# builder already chose in CXXFLAGS is kept rather than redefined.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_link_options(LINKER:-z,relro LINKER:-z,now)
