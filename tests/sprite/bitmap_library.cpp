// A shared library whose only content is its bitmap resources.
extern "C" __attribute__((visibility("default"))) int SpriteBitmapLibraryMarker() {
    return 1;
}
