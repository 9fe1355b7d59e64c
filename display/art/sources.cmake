# The artwork's drawing code. The program draws with it the pictures of
# display scales above 100 % (orlavox_core, with scaled_art.cpp), and artgen
# the build's resource images from the same files.
set(ORLAVOX_ART_SOURCES ${CMAKE_CURRENT_LIST_DIR}/raster.cpp ${CMAKE_CURRENT_LIST_DIR}/font.cpp
                        ${CMAKE_CURRENT_LIST_DIR}/face_art.cpp ${CMAKE_CURRENT_LIST_DIR}/glyph_art.cpp)
