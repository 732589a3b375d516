# SPDX-License-Identifier: GPL-3.0-or-later
# Every fuzz target: its name, and the sources of ours it exercises (paths from the top of
# the tree). The target's entry point is fuzz/<name>_fuzzer.cpp and its seed corpus
# fuzz/corpus/<name>/; FUZZ_<name>_OPTIONS, when set, are libFuzzer options for both of the
# target's test runs, after the defaults. Read by fuzz/CMakeLists.txt and by the test tree.
set(VELLORAN_FUZZERS)

list(APPEND VELLORAN_FUZZERS ini_read)
set(FUZZ_ini_read_SOURCES platform/IniText.cpp platform/TextEncoding.cpp)

list(APPEND VELLORAN_FUZZERS style_read)
set(FUZZ_style_read_SOURCES style/StyleFile.cpp style/ColorValue.cpp style/Style.cpp platform/IniText.cpp
    platform/IniFile.cpp platform/AtomicWrite.cpp platform/TextEncoding.cpp platform/FileBytes.cpp platform/Translate.cpp)

list(APPEND VELLORAN_FUZZERS gif_decode)
set(FUZZ_gif_decode_SOURCES controls/GIFDecoder.cpp controls/GIFLzw.cpp)
# Inputs up to 4 MB, so that a stream long enough to make decoding quadratic fits, and a
# timeout short enough that such a stream counts as a failure (it would take minutes) but
# long enough for linear work: a 51-byte file may declare a frame of 67 million pixels,
# which both decoders clear and compare, and that took over 2 s under the sanitizers on a
# loaded machine.
set(FUZZ_gif_decode_OPTIONS -max_len=4194304 -timeout=10)

# The paste reader over gumbo's tree of the markup; FUZZ_<name>_PKG names the pkg-config
# modules a target links. Inputs up to 64 KB, as much as the reader parses, with a timeout
# short enough that parsing which grows faster than the input counts as a failure.
list(APPEND VELLORAN_FUZZERS tag_paste)
set(FUZZ_tag_paste_SOURCES style/TagParser.cpp style/HtmlMarkup.cpp style/LegacyValue.cpp style/CssNamedColors.cpp
    style/CssTokens.cpp style/CssSyntax.cpp style/CssValues.cpp style/CssPaste.cpp style/CssSelector.cpp style/CssMatch.cpp style/CssCascade.cpp
    style/Oklch.cpp style/VisionSimulation.cpp style/FileUrl.cpp style/StyleFile.cpp style/ColorValue.cpp style/Style.cpp platform/IniText.cpp platform/IniFile.cpp
    platform/AtomicWrite.cpp platform/TextEncoding.cpp platform/FileBytes.cpp platform/Translate.cpp)
set(FUZZ_tag_paste_PKG gumbo)
set(FUZZ_tag_paste_OPTIONS -max_len=65536 -timeout=2)

# The CSS reading of Paste Tag: tokenizer, parser, values and the loading of a sheet. Inputs up
# to 64 KB, as much as the tokenizer reads, with a timeout that catches work out of proportion.
list(APPEND VELLORAN_FUZZERS css_paste)
set(FUZZ_css_paste_SOURCES ${FUZZ_tag_paste_SOURCES})
set(FUZZ_css_paste_PKG gumbo)
set(FUZZ_css_paste_OPTIONS -max_len=65536 -timeout=2)

# The column grid's stream, then a grid built from it and from a data file holding the rest of
# the input, painted.
list(APPEND VELLORAN_FUZZERS column_stream)
set(FUZZ_column_stream_SOURCES controls/ColumnStream.cpp controls/SuperCol.cpp controls/ColorText.cpp
    controls/StringGrid.cpp controls/SuperGrd.cpp controls/SuperGridPaint.cpp controls/GridDataFile.cpp
    controls/Picture.cpp controls/GIFDecoder.cpp controls/GIFLzw.cpp platform/Canvas.cpp
    platform/CanvasText.cpp platform/SysColors.cpp platform/FileBytes.cpp platform/TextEncoding.cpp
    platform/Translate.cpp controls/GridAccessible.cpp resources/supergrid.qrc)
set(FUZZ_column_stream_QT ON)

list(APPEND VELLORAN_FUZZERS grid_data)
set(FUZZ_grid_data_SOURCES controls/GridDataFile.cpp)

# The GIF image control over whatever the decoder makes of a file. It draws through Qt, so
# the target links Qt's widgets (FUZZ_<name>_QT).
list(APPEND VELLORAN_FUZZERS gif_image)
set(FUZZ_gif_image_SOURCES controls/GIFImage.cpp controls/GIFPictures.cpp controls/GIFImageLayout.cpp
    controls/GIFDecoder.cpp controls/GIFLzw.cpp platform/Canvas.cpp platform/CanvasText.cpp
    platform/SysColors.cpp platform/FileBytes.cpp platform/FileIdentity.cpp platform/Paths.cpp
    platform/Translate.cpp)
set(FUZZ_gif_image_QT ON)
# The decoder's size limit: a few megabytes hold any file that makes the work out of
# proportion. The time-out is longer than the decoder's 2 s because a load of the largest
# picture allowed fills some 330 MB, which with the sanitizers on a busy machine takes seconds
# of page faults by itself (15 s seen with both cores shared twenty ways); a compose out of
# proportion to the pixels takes a hundred times that.
set(FUZZ_gif_image_OPTIONS -max_len=4194304 -timeout=20)

# What reaches the running copy over the single-instance socket.
list(APPEND VELLORAN_FUZZERS guard_message)
set(FUZZ_guard_message_SOURCES controls/GuardMessage.cpp)
