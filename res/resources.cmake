# The program's resources: the resource script and the two icons, drawn at
# build time from their character-grid pictures so that they stay reviewable
# text in the repository.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(tavrilond_icon_dir ${CMAKE_BINARY_DIR}/res-icons)
set(tavrilond_icons)
foreach(picture mainframe document)
  set(icon ${tavrilond_icon_dir}/${picture}.ico)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tavrilond_icon_dir}
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/make_icon.py
            ${CMAKE_CURRENT_LIST_DIR}/icons/${picture}.txt ${icon}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_icon.py ${CMAKE_CURRENT_LIST_DIR}/icons/${picture}.txt
    COMMENT "Drawing ${picture}.ico"
    VERBATIM)
  list(APPEND tavrilond_icons ${icon})
endforeach()

set(tavrilond_rc ${CMAKE_CURRENT_LIST_DIR}/Tavrilond.rc)
target_sources(Tavrilond PRIVATE ${tavrilond_rc} ${tavrilond_icons})
# windres names no dependencies of its own: rebuild when an icon or a
# header changes.
set_source_files_properties(${tavrilond_rc} PROPERTIES OBJECT_DEPENDS
  "${tavrilond_icons};${CMAKE_CURRENT_LIST_DIR}/resource.h;${CMAKE_SOURCE_DIR}/framework/afx_ids.h")
# The script includes framework/afx_ids.h from the source root and finds the
# icons in the build folder.
target_include_directories(Tavrilond PRIVATE
  "$<$<COMPILE_LANGUAGE:RC>:${CMAKE_SOURCE_DIR}>"
  "$<$<COMPILE_LANGUAGE:RC>:${tavrilond_icon_dir}>")
