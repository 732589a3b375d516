# Every fuzz target: its name, and the sources of ours it exercises (paths from the top of
# the tree). The target's entry point is fuzz/<name>_fuzzer.cpp and its seed corpus
# fuzz/corpus/<name>/. Read by fuzz/CMakeLists.txt and by the test tree.
set(VELLORAN_FUZZERS)

list(APPEND VELLORAN_FUZZERS ini_read)
set(FUZZ_ini_read_SOURCES platform/IniText.cpp)

list(APPEND VELLORAN_FUZZERS style_read)
set(FUZZ_style_read_SOURCES style/StyleFile.cpp style/ColorValue.cpp style/Style.cpp platform/IniText.cpp platform/IniFile.cpp)

list(APPEND VELLORAN_FUZZERS gif_decode)
set(FUZZ_gif_decode_SOURCES controls/GIFDecoder.cpp controls/GIFLzw.cpp)

# The GIF image control over whatever the decoder makes of a file. It draws through Qt, so
# the target links Qt's widgets (FUZZ_<name>_QT).
list(APPEND VELLORAN_FUZZERS gif_image)
set(FUZZ_gif_image_SOURCES controls/GIFImage.cpp controls/GIFPictures.cpp controls/GIFImageLayout.cpp
    controls/GIFDecoder.cpp controls/GIFLzw.cpp platform/Canvas.cpp platform/CanvasText.cpp
    platform/SysColors.cpp platform/FileBytes.cpp platform/Paths.cpp)
set(FUZZ_gif_image_QT ON)
