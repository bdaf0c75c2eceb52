# Tests of the layering of src/: the check over the real sources, and the check itself shown to
# catch each kind of wrong include in a small generated tree.
set(check_layers ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)
add_test(NAME layers COMMAND ${CMAKE_COMMAND} -DKORVEL_SOURCES=${PROJECT_SOURCE_DIR}/src -P ${check_layers})

# file | its include | what the check must say
set(layer_faults
  "platform/list.cpp|\"res/resource.h\"|platform may not include res"
  "core/names.cpp|\"platform/wnd.h\"|core may not include platform"
  "core/names.cpp|<windows.h>|core includes no Windows header"
  "controls/ListCtrlEx.cpp|\"colour/Picker.h\"|controls may not include colour"
  "analysis/Dlg.cpp|\"design/Tree.h\"|analysis may not include design"
  "colour/Dlg.cpp|\"app/export_call.h\"|colour may not include app"
  "platform/dialog.cpp|\"controls/List.h\"|platform may not include controls"
  "platform/dialog.cpp|\"../controls/List.h\"|platform may not include controls"
  "core/sub/names.cpp|\"../../app/export_call.h\"|core may not include app")
set(case 0)
foreach(fault IN LISTS layer_faults)
  string(REPLACE "|" ";" fields "${fault}")
  list(GET fields 0 file)
  list(GET fields 1 header)
  list(GET fields 2 message)
  math(EXPR case "${case} + 1")
  set(tree ${CMAKE_CURRENT_BINARY_DIR}/layer_faults/${case})
  file(REMOVE_RECURSE ${tree})
  # A file that keeps to the order beside the one that breaks it.
  file(WRITE ${tree}/app/exports.cpp "#include \"core/names.h\"\n#include \"res/resource.h\"\n")
  file(WRITE ${tree}/${file} "// generated\n#include ${header}\n")
  add_test(NAME layers_catch_${case} COMMAND ${CMAKE_COMMAND} -DKORVEL_SOURCES=${tree} -P ${check_layers})
  # Passes on the message alone: a check that failed for another reason does not pass.
  set_tests_properties(layers_catch_${case} PROPERTIES PASS_REGULAR_EXPRESSION "${message}")
endforeach()
