// Writes the library's loading dialog as a dialog template (the extended form):
// a splash bitmap, the text "Загрузка ресурсов       %" and the percentage.
//   zolt_make_dialog OUTPUT
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Writer {
    std::vector<uint8_t> bytes;

    void Word(uint32_t v) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    void Dword(uint32_t v) {
        Word(v & 0xFFFF);
        Word(v >> 16);
    }
    // A zero-terminated UTF-16 string (all the characters used here are in the BMP).
    void Text(const std::u16string& s) {
        for (char16_t c : s) Word(c);
        Word(0);
    }
    void Ordinal(uint16_t id) {
        Word(0xFFFF);
        Word(id);
    }
    void AlignDword() {
        while (bytes.size() % 4) bytes.push_back(0);
    }
};

struct Control {
    uint32_t id;
    uint32_t exStyle;
    uint32_t style;
    int16_t x, y, cx, cy;
    uint16_t bitmap;  // the bitmap resource shown, or 0 for a text control
    std::u16string text;
};

constexpr uint16_t kStaticClass = 0x0082;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const Control controls[] = {
        {0xFFFFFFFF, 0, 0x5000080E, 0, 0, 120, 38, 106, u""},
        {0xFFFFFFFF, 0, 0x5002000C, 15, 36, 90, 8, 0, u"Загрузка ресурсов       %"},
        {1007, 0x00001000, 0x50020002, 81, 36, 14, 8, 0, u"0"},
    };
    Writer w;
    w.Word(1);       // version
    w.Word(0xFFFF);  // the extended form's signature
    w.Dword(0);      // help id
    w.Dword(0);      // extended style
    w.Dword(0x90000A48);
    w.Word(sizeof controls / sizeof controls[0]);
    for (int16_t v : {0, 0, 122, 46}) w.Word(static_cast<uint16_t>(v));
    w.Word(0);   // no menu
    w.Word(0);   // the standard dialog class
    w.Word(0);   // no caption
    w.Word(14);  // font: point size, weight, italic, character set, face
    w.Word(400);
    w.bytes.push_back(0);
    w.bytes.push_back(1);
    w.Text(u"MS Shell Dlg");
    for (const Control& c : controls) {
        w.AlignDword();
        w.Dword(0);
        w.Dword(c.exStyle);
        w.Dword(c.style);
        for (int16_t v : {c.x, c.y, c.cx, c.cy}) w.Word(static_cast<uint16_t>(v));
        w.Dword(c.id);
        w.Ordinal(kStaticClass);
        if (c.bitmap)
            w.Ordinal(c.bitmap);
        else
            w.Text(c.text);
        w.Word(0);  // no creation data
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(w.bytes.data(), 1, w.bytes.size(), out) != w.bytes.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
