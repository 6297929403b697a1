# Links with lld-link itself: no C runtime start-up, no default libraries, no manifest. The
# project's own runtime provides the entry points and every import library is named.
foreach(lang C CXX)
  set(CMAKE_${lang}_CREATE_SHARED_LIBRARY
      "<CMAKE_LINKER> /nologo /dll /nodefaultlib /manifest:no /machine:x86 <LINK_FLAGS> <OBJECTS> <LINK_LIBRARIES> /out:<TARGET> /implib:<TARGET_IMPLIB>")
  set(CMAKE_${lang}_LINK_EXECUTABLE
      "<CMAKE_LINKER> /nologo /nodefaultlib /manifest:no /machine:x86 <LINK_FLAGS> <OBJECTS> <LINK_LIBRARIES> /out:<TARGET>")
  set(CMAKE_${lang}_CREATE_CONSOLE_EXE "/subsystem:console")
  set(CMAKE_${lang}_CREATE_WIN32_EXE "/subsystem:windows")
endforeach()
