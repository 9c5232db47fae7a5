// kvrart: draws the wizard's own pictures into res/bitmaps/. The files are committed; run this
// only to change them:
//
//   kvrart res/bitmaps
//
// Every picture is an uncompressed 8-bit BMP (or ICO) over one shared 256-colour palette, the
// palette the start picture hands to the application, so the other pictures keep their colours
// on a 256-colour display. Index 255 is magenta, the colour the pages draw transparent.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kWhite = 1;
constexpr int kSkyFirst = 2;      // 128 shades, deep navy to teal
constexpr int kSkyCount = 128;
constexpr int kAmberFirst = 130;  // 64 shades, dark amber to pale gold
constexpr int kAmberCount = 64;
constexpr int kGreyFirst = 194;   // 60 greys
constexpr int kGreyCount = 60;
constexpr std::uint8_t kMagenta = 255;

std::uint8_t mix(int from, int to, double t) {
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
}

std::array<Rgb, 256> makePalette() {
  std::array<Rgb, 256> palette{};
  palette[kBlack] = {0, 0, 0};
  palette[kWhite] = {255, 255, 255};
  for (int i = 0; i < kSkyCount; ++i) {
    double t = i / double(kSkyCount - 1);
    palette[kSkyFirst + i] = {mix(12, 0, t), mix(28, 136, t), mix(72, 150, t)};
  }
  for (int i = 0; i < kAmberCount; ++i) {
    double t = i / double(kAmberCount - 1);
    palette[kAmberFirst + i] = {mix(176, 255, t), mix(96, 226, t), mix(0, 150, t)};
  }
  for (int i = 0; i < kGreyCount; ++i) {
    auto level = mix(40, 250, i / double(kGreyCount - 1));
    palette[kGreyFirst + i] = {level, level, level};
  }
  palette[kMagenta] = {255, 0, 255};
  return palette;
}

std::uint8_t sky(double t) {
  t = std::fmin(1.0, std::fmax(0.0, t));
  return static_cast<std::uint8_t>(kSkyFirst + std::lround(t * (kSkyCount - 1)));
}
std::uint8_t amber(double t) {
  t = std::fmin(1.0, std::fmax(0.0, t));
  return static_cast<std::uint8_t>(kAmberFirst + std::lround(t * (kAmberCount - 1)));
}

class Canvas {
 public:
  Canvas(int width, int height, std::uint8_t fill)
      : m_width(width), m_height(height), m_pixels(std::size_t(width) * std::size_t(height), fill) {}

  int width() const { return m_width; }
  int height() const { return m_height; }
  std::uint8_t at(int x, int y) const { return m_pixels[index(x, y)]; }
  void set(int x, int y, std::uint8_t colour) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) m_pixels[index(x, y)] = colour;
  }
  void rect(int x0, int y0, int x1, int y1, std::uint8_t colour) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) set(x, y, colour);
  }
  // A disc shaded from `inner` at the top left to `outer` at the bottom right.
  template <typename Shade>
  void disc(double cx, double cy, double radius, Shade shade) {
    for (int y = int(cy - radius); y <= int(cy + radius) + 1; ++y)
      for (int x = int(cx - radius); x <= int(cx + radius) + 1; ++x) {
        double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        if (dx * dx + dy * dy <= radius * radius)
          set(x, y, shade((dx + dy) / (4 * radius) + 0.5));
      }
  }
  void ring(double cx, double cy, double inner, double outer, std::uint8_t colour) {
    for (int y = int(cy - outer); y <= int(cy + outer) + 1; ++y)
      for (int x = int(cx - outer); x <= int(cx + outer) + 1; ++x) {
        double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d2 = dx * dx + dy * dy;
        if (d2 <= outer * outer && d2 >= inner * inner) set(x, y, colour);
      }
  }
  // A thick line from (x0, y0) to (x1, y1).
  void stroke(double x0, double y0, double x1, double y1, double thickness, std::uint8_t colour) {
    double length = std::hypot(x1 - x0, y1 - y0);
    int steps = int(length * 4) + 1;
    for (int i = 0; i <= steps; ++i) {
      double t = i / double(steps);
      double cx = x0 + (x1 - x0) * t, cy = y0 + (y1 - y0) * t;
      for (int y = int(cy - thickness); y <= int(cy + thickness); ++y)
        for (int x = int(cx - thickness); x <= int(cx + thickness); ++x) {
          double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
          if (dx * dx + dy * dy <= thickness * thickness / 4) set(x, y, colour);
        }
    }
  }

 private:
  std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(m_width) + std::size_t(x); }
  int m_width, m_height;
  std::vector<std::uint8_t> m_pixels;
};

// A 5 x 7 capital font, enough for the product line's name and the picture's words.
const std::string_view* glyph(char c) {
  static const std::string_view kA[] = {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"};
  static const std::string_view kC[] = {" ####", "#    ", "#    ", "#    ", "#    ", "#    ", " ####"};
  static const std::string_view kD[] = {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "};
  static const std::string_view kE[] = {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"};
  static const std::string_view kG[] = {" ####", "#    ", "#    ", "#  ##", "#   #", "#   #", " ####"};
  static const std::string_view kI[] = {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "#####"};
  static const std::string_view kN[] = {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"};
  static const std::string_view kO[] = {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "};
  static const std::string_view kP[] = {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "};
  static const std::string_view kR[] = {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"};
  static const std::string_view kS[] = {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "};
  static const std::string_view kT[] = {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "};
  static const std::string_view kU[] = {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "};
  static const std::string_view kV[] = {"#   #", "#   #", "#   #", "#   #", " # # ", " # # ", "  #  "};
  static const std::string_view kX[] = {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"};
  switch (c) {
    case 'A': return kA; case 'C': return kC; case 'D': return kD; case 'E': return kE;
    case 'G': return kG; case 'I': return kI; case 'N': return kN; case 'O': return kO;
    case 'P': return kP; case 'R': return kR; case 'S': return kS; case 'T': return kT;
    case 'U': return kU; case 'V': return kV; case 'X': return kX;
    default: return nullptr;
  }
}

int textWidth(std::string_view text, int scale) { return int(text.size()) * 6 * scale - scale; }

void text(Canvas& canvas, int x, int y, std::string_view words, int scale, std::uint8_t colour) {
  for (char c : words) {
    if (const std::string_view* rows = glyph(c))
      for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column)
          if (rows[row][std::size_t(column)] == '#')
            canvas.rect(x + column * scale, y + row * scale, x + (column + 1) * scale,
                        y + (row + 1) * scale, colour);
    x += 6 * scale;
  }
}

void put16(std::string& out, unsigned value) {
  out += char(value & 0xFF);
  out += char((value >> 8) & 0xFF);
}
void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

int stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// BITMAPINFOHEADER, colour table and bottom-up rows; an icon image adds its AND mask, where a
// set bit lets the background through (for every magenta pixel).
std::string dib(const Canvas& canvas, const std::array<Rgb, 256>& palette, bool iconImage) {
  int rowBytes = stride(canvas.width(), 8);
  int maskBytes = stride(canvas.width(), 1);
  std::string out;
  put32(out, 40);
  put32(out, std::uint32_t(canvas.width()));
  put32(out, std::uint32_t(canvas.height() * (iconImage ? 2 : 1)));
  put16(out, 1);
  put16(out, 8);
  put32(out, 0);  // BI_RGB
  put32(out, std::uint32_t(rowBytes * canvas.height() + (iconImage ? maskBytes * canvas.height() : 0)));
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 256);
  put32(out, 0);
  for (const Rgb& colour : palette) {
    out += char(colour.b);
    out += char(colour.g);
    out += char(colour.r);
    out += '\0';
  }
  for (int y = canvas.height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.width(); ++x) {
      std::uint8_t pixel = canvas.at(x, y);
      out += char(iconImage && pixel == kMagenta ? kBlack : pixel);
    }
    out.append(std::size_t(rowBytes - canvas.width()), '\0');
  }
  if (iconImage) {
    for (int y = canvas.height() - 1; y >= 0; --y) {
      std::string row(std::size_t(maskBytes), '\0');
      for (int x = 0; x < canvas.width(); ++x)
        if (canvas.at(x, y) == kMagenta) row[std::size_t(x / 8)] = char(row[std::size_t(x / 8)] | (0x80 >> (x % 8)));
      out += row;
    }
  }
  return out;
}

std::string bmp(const Canvas& canvas, const std::array<Rgb, 256>& palette) {
  std::string body = dib(canvas, palette, false);
  std::string out = "BM";
  put32(out, std::uint32_t(14 + body.size()));
  put32(out, 0);
  put32(out, 14 + 40 + 256 * 4);
  return out + body;
}

std::string ico(const std::vector<Canvas>& images, const std::array<Rgb, 256>& palette) {
  std::string out;
  put16(out, 0);
  put16(out, 1);
  put16(out, unsigned(images.size()));
  std::vector<std::string> bodies;
  for (const Canvas& image : images) bodies.push_back(dib(image, palette, true));
  std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out += char(images[i].width());
    out += char(images[i].height());
    out += '\0';  // 256 colours
    out += '\0';
    put16(out, 1);
    put16(out, 8);
    put32(out, std::uint32_t(bodies[i].size()));
    put32(out, offset);
    offset += std::uint32_t(bodies[i].size());
  }
  for (const auto& body : bodies) out += body;
  return out;
}

// Start window: a night-blue to teal sky, soft rising discs, the product line's name.
Canvas startPicture() {
  Canvas canvas(500, 340, kBlack);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      canvas.set(x, y, sky(0.85 * y / canvas.height() + 0.15 * x / canvas.width()));
  canvas.disc(410, 250, 150, [](double t) { return sky(0.95 - 0.35 * t); });
  canvas.disc(455, 80, 60, [](double t) { return sky(0.75 - 0.3 * t); });
  canvas.disc(360, 300, 40, [](double t) { return amber(0.9 - 0.6 * t); });
  canvas.rect(0, 236, 500, 242, amber(0.55));
  text(canvas, 40, 70, "OVX", 14, kWhite);
  text(canvas, 44, 190, "PRODUCT REGISTRATION", 3, kWhite);
  return canvas;
}

// Corner of the pages: a shaded disc with a check mark, on magenta.
Canvas cornerPicture() {
  Canvas canvas(145, 131, kMagenta);
  canvas.disc(72, 65, 60, [](double t) { return sky(0.95 - 0.7 * t); });
  canvas.ring(72, 65, 54, 58, amber(0.7));
  canvas.stroke(44, 66, 64, 88, 12, kWhite);
  canvas.stroke(64, 88, 104, 40, 12, kWhite);
  return canvas;
}

// Strip at the bottom left of every page: the name with an amber bar, on magenta.
Canvas stripPicture() {
  Canvas canvas(77, 45, kMagenta);
  text(canvas, (77 - textWidth("OVX", 4)) / 2, 4, "OVX", 4, sky(0.1));
  canvas.rect(6, 37, 71, 41, amber(0.6));
  return canvas;
}

Canvas iconPicture(int size) {
  Canvas canvas(size, size, kMagenta);
  double half = size / 2.0;
  canvas.disc(half, half, half - 0.5, [](double t) { return sky(0.95 - 0.7 * t); });
  double s = size / 32.0;
  canvas.stroke(9 * s, 16 * s, 14 * s, 22 * s, 3.5 * s, kWhite);
  canvas.stroke(14 * s, 22 * s, 24 * s, 10 * s, 3.5 * s, kWhite);
  return canvas;
}

bool save(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file.write(bytes.data(), std::streamsize(bytes.size()))) {
    std::fprintf(stderr, "kvrart: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: kvrart OUTDIR\n", stderr);
    return 2;
  }
  std::string dir = argv[1];
  auto palette = makePalette();
  bool ok = save(dir + "/splash2450.bmp", bmp(startPicture(), palette)) &&
            save(dir + "/page2451.bmp", bmp(cornerPicture(), palette)) &&
            save(dir + "/page2452.bmp", bmp(stripPicture(), palette)) &&
            save(dir + "/app2475.ico", ico({iconPicture(32), iconPicture(16)}, palette));
  return ok ? 0 : 1;
}
