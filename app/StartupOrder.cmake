# Start-up runs a small part of the program's code. With every function in a section of its
# own, the linker lays the ones start-up runs (app/startup-order.txt, made by
# tools/startup-order.sh) next to each other, so that start-up reads those pages of code
# into memory and not the whole program's; app/cold-sections.ld keeps the tables and
# stubs start-up does or does not read apart in the same way. Linux builds with lld only;
# elsewhere the order is the compiler's and nothing else changes.
set(VUV_STARTUP_ORDER ${CMAKE_CURRENT_LIST_DIR}/startup-order.txt)
set(VUV_COLD_SECTIONS ${CMAKE_CURRENT_LIST_DIR}/cold-sections.ld)
find_program(VUV_LLD ld.lld)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND VUV_LLD AND NOT VUV_FUZZ AND NOT VUV_SANITIZE)
  add_compile_options(-ffunction-sections)
  set(VUV_ORDER_STARTUP ON)
endif()

function(vuv_order_startup target)
  if(VUV_ORDER_STARTUP)
    target_link_options(${target} PRIVATE -fuse-ld=lld LINKER:--symbol-ordering-file=${VUV_STARTUP_ORDER}
                        LINKER:--no-warn-symbol-ordering LINKER:--gc-sections
                        LINKER:--script=${VUV_COLD_SECTIONS})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VUV_STARTUP_ORDER}
                                                                ${VUV_COLD_SECTIONS})
  endif()
endfunction()
