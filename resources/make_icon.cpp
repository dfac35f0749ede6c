// Build-time host tool: turns the icon's text pixel map into a .ico file
// holding one 32 x 32, 16-colour image with its 1-bit transparency mask.
//
//   make_icon PIXELS.txt OUT.ico
//
// The map has 32 lines of 32 characters: a hex digit is an index into the
// standard 16-colour palette, '.' is transparent.
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr int SIDE = 32;
constexpr int XOR_ROW_BYTES = SIDE / 2;  // 4 bits a pixel
constexpr int AND_ROW_BYTES = SIDE / 8;  // 1 bit a pixel, already 4-aligned
constexpr int HEADER_BYTES = 40;
constexpr int PALETTE_BYTES = 16 * 4;
constexpr int IMAGE_BYTES =
    HEADER_BYTES + PALETTE_BYTES + SIDE * XOR_ROW_BYTES + SIDE * AND_ROW_BYTES;
constexpr int DIRECTORY_BYTES = 6 + 16;

// The standard 16-colour palette, as red, green, blue.
constexpr std::uint8_t PALETTE[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

std::uint8_t file[DIRECTORY_BYTES + IMAGE_BYTES];
int at = 0;

void put8(unsigned v) { file[at++] = static_cast<std::uint8_t>(v); }
void put16(unsigned v) { put8(v & 0xFF); put8(v >> 8); }
void put32(unsigned v) { put16(v & 0xFFFF); put16(v >> 16); }

int fail(const char* what, int line)
{
    std::fprintf(stderr, "make_icon: %s (line %d)\n", what, line);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon PIXELS.txt OUT.ico\n");
        return 2;
    }
    std::FILE* in = std::fopen(argv[1], "r");
    if (!in)
        return fail("cannot read the pixel map", 0);

    int index[SIDE][SIDE];  // -1 is transparent
    char line[SIDE + 8];
    int rows = 0;
    while (std::fgets(line, sizeof line, in)) {
        const std::size_t len = std::strcspn(line, "\r\n");
        if (len == 0)
            continue;
        if (rows == SIDE)
            return fail("more than 32 rows", rows + 1);
        if (len != SIDE)
            return fail("a row must have 32 characters", rows + 1);
        for (int x = 0; x < SIDE; ++x) {
            const char c = line[x];
            if (c == '.')
                index[rows][x] = -1;
            else if (c >= '0' && c <= '9')
                index[rows][x] = c - '0';
            else if (c >= 'A' && c <= 'F')
                index[rows][x] = c - 'A' + 10;
            else
                return fail("unknown pixel character", rows + 1);
        }
        ++rows;
    }
    std::fclose(in);
    if (rows != SIDE)
        return fail("fewer than 32 rows", rows);

    // Icon directory with its one entry.
    put16(0); put16(1); put16(1);
    put8(SIDE); put8(SIDE); put8(16); put8(0);
    put16(1); put16(4); put32(IMAGE_BYTES); put32(DIRECTORY_BYTES);

    // Bitmap header: the height counts the colour image and the mask.
    put32(HEADER_BYTES); put32(SIDE); put32(SIDE * 2); put16(1); put16(4);
    put32(0); put32(SIDE * XOR_ROW_BYTES + SIDE * AND_ROW_BYTES);
    put32(0); put32(0); put32(16); put32(0);
    for (const auto& rgb : PALETTE) {
        put8(rgb[2]); put8(rgb[1]); put8(rgb[0]); put8(0);
    }

    // Both bitmaps are stored bottom row first.
    for (int y = SIDE - 1; y >= 0; --y)
        for (int x = 0; x < SIDE; x += 2) {
            const int hi = index[y][x] < 0 ? 0 : index[y][x];
            const int lo = index[y][x + 1] < 0 ? 0 : index[y][x + 1];
            put8(static_cast<unsigned>(hi << 4 | lo));
        }
    for (int y = SIDE - 1; y >= 0; --y)
        for (int x = 0; x < SIDE; x += 8) {
            unsigned bits = 0;
            for (int b = 0; b < 8; ++b)
                if (index[y][x + b] < 0)
                    bits |= 0x80u >> b;
            put8(bits);
        }

    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out || std::fwrite(file, 1, sizeof file, out) != sizeof file || std::fclose(out) != 0)
        return fail("cannot write the icon", 0);
    return 0;
}
