# Checks every #include "..." under src/ against the layer map:
#
#   platform <- core <- subsystem logic <- windows <- app
#   cli uses platform, core and the logic, never a window
#
cmake_minimum_required(VERSION 3.25)

# Run as: cmake -DSRC=<path to src> -P IncludeMap.cmake
# Fails (and lists every offending line) when a file includes a folder its
# layer may not see, when a source folder is not on the map, or when a file
# of a Qt-free layer includes a Qt header.

# Which layer each top-level folder of src/ belongs to. A ui/ subfolder of a
# logic folder is a window. platform/qt/ (the Qt side of the stand-ins) is a
# layer of its own: it builds with the windows but, like the rest of the
# platform, knows nothing of ledgers.
set(LAYER_platform platform)
set(LAYER_core core)
# The journal of transactions sits beside core: every writer may use it.
set(LAYER_journal core)
set(LOGIC_FOLDERS macros reports export tools calc help import backups charts years budgets due quickentry find)
foreach(folder ${LOGIC_FOLDERS})
  set(LAYER_${folder} logic)
endforeach()
set(LAYER_mainscreen windows)
set(LAYER_widgets windows)
set(LAYER_app app)
set(LAYER_cli cli)

# The layers each layer may include. "logic" here means the including logic
# folder's own files only; one logic folder reaching into another needs an
# entry in LOGIC_USES below.
set(MAY_INCLUDE_platform platform)
set(MAY_INCLUDE_platformqt platform platformqt)
set(MAY_INCLUDE_core platform core)
set(MAY_INCLUDE_logic platform core)
set(MAY_INCLUDE_windows platform platformqt core logic windows)
set(MAY_INCLUDE_cli platform core logic cli)
set(MAY_INCLUDE_app platform platformqt core logic windows cli app)

# Logic folders that build on another logic folder: "<user> <used>" pairs.
# What two subsystems share (the ledger read in place, the report's category
# list) lives in core; the report's charts draw the report's own summary;
# the automatic backups copy the very files the backup tool copies, and the
# import rules and ids and the schedules beside them; the
# budgets' comma-separated output keeps the export's spreadsheet-safe fields;
# due entries are played by the macro playback; a suggested category may come
# from the import rules; the search across years reads the years' files as the
# years table finds them, writes the spreadsheet export's fields and reads
# days as the schedules do.
set(LOGIC_USES "charts reports" "backups tools" "backups import" "backups due" "years export" "budgets export" "due macros" "quickentry import" "find years" "find export" "find due")

# Windows of one subsystem opening another's, as "<user> <used>" pairs. Any
# window may use src/widgets (the pieces several windows share) and the help
# window's engine; the main window, the composition root, may open any
# window. Other windows are handed what they open (a signal, a factory), so
# the report window knows the chart windows by no header.
set(UI_USES "years charts" "budgets charts" "reports export" "find reports")
set(SHARED_UI widgets help)

# Single headers outside a layer's reach that it may still use, as
# "<layer> <header>": the system's money conventions are read through Qt Core
# alone (tessamo_qtlocale), not through a window.
set(SINGLE_HEADERS "cli platform/qt/SystemMoneyFormat.h")

# Layers whose files must not include Qt: they build into tessamo_core.
set(QT_FREE platform core logic)

# The layer of a path relative to src/ ("reports/ui/frmReports.h" -> windows),
# and its top-level folder; an empty layer means the folder is not on the map.
function(layer_of path out_layer out_folder)
  string(REPLACE "/" ";" parts "${path}")
  list(GET parts 0 folder)
  list(LENGTH parts depth)
  set(layer "${LAYER_${folder}}")
  if(depth GREATER 2)
    list(GET parts 1 sub)
    if(sub STREQUAL "ui")
      set(layer windows)
    elseif(folder STREQUAL "platform" AND sub STREQUAL "qt")
      set(layer platformqt)
    endif()
  endif()
  set(${out_layer} "${layer}" PARENT_SCOPE)
  set(${out_folder} "${folder}" PARENT_SCOPE)
endfunction()

function(may_include from_layer from_folder to_layer to_folder target out)
  set(allowed FALSE)
  if(from_layer STREQUAL "logic" AND to_layer STREQUAL "logic")
    if(from_folder STREQUAL to_folder OR "${from_folder} ${to_folder}" IN_LIST LOGIC_USES)
      set(allowed TRUE)
    endif()
  elseif(from_layer STREQUAL "windows" AND to_layer STREQUAL "windows")
    if(from_folder STREQUAL to_folder OR from_folder STREQUAL "mainscreen" OR to_folder IN_LIST SHARED_UI
       OR "${from_folder} ${to_folder}" IN_LIST UI_USES)
      set(allowed TRUE)
    endif()
  elseif(to_layer IN_LIST MAY_INCLUDE_${from_layer})
    set(allowed TRUE)
  endif()
  if("${from_layer} ${target}" IN_LIST SINGLE_HEADERS)
    set(allowed TRUE)
  endif()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

if(NOT SRC OR NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "Pass -DSRC=<the src folder>")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)

file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "No sources found under ${SRC}")
endif()

set(faults "")
foreach(file ${files})
  layer_of("${file}" from_layer from_folder)
  if(from_layer STREQUAL "")
    list(APPEND faults "${file}: the folder ${from_folder} is not on the layer map")
    continue()
  endif()
  file(STRINGS "${SRC}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line ${lines})
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(target "${CMAKE_MATCH_1}")
      if(NOT target MATCHES "/")
        continue()  # a file of the same folder
      endif()
      layer_of("${target}" to_layer to_folder)
      if(to_layer STREQUAL "")
        list(APPEND faults "${file}: \"${target}\" is in a folder not on the layer map")
        continue()
      endif()
      may_include(${from_layer} ${from_folder} ${to_layer} ${to_folder} "${target}" allowed)
      if(NOT allowed)
        list(APPEND faults "${file}: ${from_layer} (${from_folder}) may not include \"${target}\" (${to_layer})")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)[/>]" AND from_layer IN_LIST QT_FREE)
      list(APPEND faults "${file}: the ${from_layer} layer builds without Qt and may not include <${CMAKE_MATCH_1}>")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes against the layer map:\n  ${text}")
endif()
message(STATUS "${count} files follow the layer map")
