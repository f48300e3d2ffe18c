# Fails when a source file reaches across the layers: an engine that includes Qt or a layer above
# it, the viewer that includes the editor's workspace, or anything but the main window that
# includes the main window's headers. Run by CTest as "layering":
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# Each rule: the folders it governs (relative to src/), "|", then the include prefixes they may
# not use, both separated by commas, and optionally "|" and prefixes that stay allowed among
# those. "<Q" stands for every Qt header.
set(higher "\"app/,\"workspace/,\"editor/,\"projects/,\"generators/,\"custom/,\"print/")
set(rules
  "text|<Q,\"viewer/,\"spell/,${higher}"
  "viewer/model,viewer/parser,viewer/layout,viewer/paint|<Q,\"viewer/qt/,\"viewer/control/,\"spell/,${higher}"
  "spell/engine|<Q,\"viewer/,\"spell/dialogs/,${higher}"
  "generators/builders|<Q,${higher}|\"generators/builders/"
  "generators/tools|<Q,${higher}|\"generators/builders/,\"generators/tools/"
  "viewer|${higher}"
  "artwork,editor,workspace,projects,generators,custom,print,spell|\"app/")

set(faults "")
foreach(rule ${rules})
  string(REPLACE "|" ";" halves "${rule}")
  list(GET halves 0 folders)
  list(GET halves 1 forbidden)
  set(allowed "")
  list(LENGTH halves parts)
  if(parts GREATER 2)
    list(GET halves 2 allowed)
  endif()
  string(REPLACE "," ";" folders "${folders}")
  string(REPLACE "," ";" forbidden "${forbidden}")
  string(REPLACE "," ";" allowed "${allowed}")
  foreach(folder ${folders})
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source ${sources})
      file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
      foreach(line ${includes})
        foreach(prefix ${forbidden})
          string(FIND "${line}" "${prefix}" found)
          foreach(exception ${allowed})
            string(FIND "${line}" "${exception}" excepted)
            if(NOT excepted EQUAL -1)
              set(found -1)
            endif()
          endforeach()
          if(NOT found EQUAL -1)
            file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
            string(STRIP "${line}" line)
            list(APPEND faults "${shown}: ${line}")
          endif()
        endforeach()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(REMOVE_DUPLICATES faults)
  list(JOIN faults "\n  " shown)
  message(FATAL_ERROR "Includes that cross the layers:\n  ${shown}")
endif()
message(STATUS "layering: every include keeps to its layer")
