# The Windows build (MinGW-w64 toolchain files in this folder): no Qt.
# corvane.exe shows its dialogs with the Win32 view (frame/win32) and is
# bound at load time to the editor's pelinorn.dll through an import library
# made from host/pelinorn.def; the stand-in link is built as a DLL exporting
# the same decorated names, for the tests.

# GCC 12 warns of overlapping copies inside its own std::string code and of
# uninitialised members in the designs' static tables, wrongly, at -O2.
add_compile_options(-Wno-restrict -Wno-maybe-uninitialized)
foreach(layer corvane_common corvane_host corvane_comment corvane_frame corvane_dialogs corvane_setup corvane_switches)
  target_compile_options(${layer} PRIVATE -Wno-restrict -Wno-maybe-uninitialized)
endforeach()

# Sections start on page boundaries in the file as in memory, so that a
# loader can map the program and its DLLs page by page from the file; with
# the linker's default of 512 bytes Wine reads the whole image into private
# memory (about 1 MiB more at start-up for corvane.exe).
add_link_options(-Wl,--file-alignment,4096)

set(WIN_GEN ${CMAKE_BINARY_DIR}/gen)
file(MAKE_DIRECTORY ${WIN_GEN})

# The names as the editor exports them, and the names the compiler gives
# the functions here: on i686 stdcall decorates them (pelr_SetData@8), on
# x86_64 there is one calling convention and no decoration.
file(STRINGS ${CMAKE_SOURCE_DIR}/host/pelinorn.def PELR_EXPORTS REGEX "^_pelr_[A-Za-z]+@[0-9]+$")
list(LENGTH PELR_EXPORTS n)
if(NOT n EQUAL 7)
  message(FATAL_ERROR "host/pelinorn.def: expected seven exports, found ${n}")
endif()
set(import_def "LIBRARY pelinorn.dll\nEXPORTS\n")
set(standin_def "LIBRARY pelinorn.dll\nEXPORTS\n")
foreach(exported IN LISTS PELR_EXPORTS)
  string(SUBSTRING ${exported} 1 -1 undecorated_at)  # pelr_SetData@8
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(internal ${undecorated_at})
  else()
    string(REGEX REPLACE "@[0-9]+$" "" internal ${undecorated_at})
  endif()
  string(APPEND import_def "${internal} == ${exported}\n")
  string(APPEND standin_def "${exported} = ${internal}\n")
endforeach()
file(WRITE ${WIN_GEN}/pelinorn-import.def ${import_def})
file(WRITE ${WIN_GEN}/pelinorn-standin.def ${standin_def})

if(NOT CMAKE_DLLTOOL)
  find_program(CMAKE_DLLTOOL NAMES ${CORVANE_MINGW_PREFIX}-dlltool dlltool REQUIRED)
endif()
set(PELR_IMPLIB ${CMAKE_BINARY_DIR}/libpelinorn-editor.a)
add_custom_command(OUTPUT ${PELR_IMPLIB}
  COMMAND ${CMAKE_DLLTOOL} -d ${WIN_GEN}/pelinorn-import.def -l ${PELR_IMPLIB}
  DEPENDS ${CMAKE_SOURCE_DIR}/host/pelinorn.def ${WIN_GEN}/pelinorn-import.def
  COMMENT "Import library of pelinorn.dll")
add_custom_target(pelinorn_implib DEPENDS ${PELR_IMPLIB})
add_library(pelinorn_editor INTERFACE)
add_dependencies(pelinorn_editor pelinorn_implib)
target_link_libraries(pelinorn_editor INTERFACE ${PELR_IMPLIB})

# The stand-in link as a Windows DLL: exports exactly the seven names.
add_library(pelinorn SHARED ${STANDIN_SOURCES} ${WIN_GEN}/pelinorn-standin.def)
set_target_properties(pelinorn PROPERTIES PREFIX "" OUTPUT_NAME pelinorn)
target_include_directories(pelinorn PRIVATE ${CMAKE_SOURCE_DIR}/host)
target_link_libraries(pelinorn PRIVATE corvane_common)

# The Win32 view of the form model.
file(GLOB WIN32_VIEW_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/frame/win32/*.cpp)
# comctl32, comdlg32 and shell32 are loaded when first needed.
corvane_layer(corvane_win32 frame/win32 SOURCES ${WIN32_VIEW_SOURCES} LINKS corvane_frame user32 gdi32)
target_compile_definitions(corvane_win32 PUBLIC UNICODE _UNICODE)

add_executable(corvane WIN32 app/main.cpp app/win32_main.cpp host/native_hostlink.cpp)
target_compile_definitions(corvane PRIVATE CORVANE_WIN32_VIEW)
target_link_libraries(corvane PRIVATE corvane_win32 corvane_switches pelinorn_editor)

if(CORVANE_TESTS)
  add_subdirectory(tests/win)
endif()

# Renders every dialog to PNG under Wine (scripts/shots --win).
add_executable(corvane_winshots EXCLUDE_FROM_ALL tools/winshots.cpp)
target_link_libraries(corvane_winshots PRIVATE corvane_win32 corvane_switches)

# Yardstick for the dialog start-up benchmark under Wine (scripts/bench).
add_executable(bare_dialog_win32 EXCLUDE_FROM_ALL tools/bare_dialog_win32.cpp)
set_target_properties(bare_dialog_win32 PROPERTIES WIN32_EXECUTABLE ON)
target_link_libraries(bare_dialog_win32 PRIVATE user32 gdi32)
# The font dialog written by hand in plain Win32, the same-content yardstick.
add_executable(font_dialog_win32 EXCLUDE_FROM_ALL tools/font_dialog_win32.cpp)
set_target_properties(font_dialog_win32 PROPERTIES WIN32_EXECUTABLE ON)
target_compile_definitions(font_dialog_win32 PRIVATE UNICODE _UNICODE)
target_link_libraries(font_dialog_win32 PRIVATE user32 gdi32)
