// A shared library with resources of its own, loaded beside the test program.
extern "C" __attribute__((visibility("default"))) int LibraryModuleMarker() {
    return 7;
}
