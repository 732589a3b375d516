# Every fuzz target: its name, and the sources of ours it exercises (paths from the top of
# the tree). The target's entry point is fuzz/<name>_fuzzer.cpp and its seed corpus
# fuzz/corpus/<name>/. Read by fuzz/CMakeLists.txt and by the test tree.
set(VELLORAN_FUZZERS)
