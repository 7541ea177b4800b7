# The Windows executable: a GUI program (no console window) with the icon inside.
set_target_properties(vuvuvudozizod PROPERTIES WIN32_EXECUTABLE ON)
target_sources(vuvuvudozizod PRIVATE ${CMAKE_CURRENT_LIST_DIR}/vuvuvudozizod.rc)
