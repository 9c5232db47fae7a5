#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// On disk every byte of a product configuration line is inverted (XOR 0xFF); the line ends
// with a line feed, and one more byte follows that the reader skips unread.
inline constexpr unsigned char kConfigInversionMask = 0xFF;
inline constexpr char kConfigLineEnd = '\n';
// The byte we write after each line feed. A carriage return, so that a reader that forgot to
// skip it would see every later line start with a stray character and recognise nothing.
inline constexpr char kConfigLineFiller = '\r';
// The plain-text byte that inverts to a line feed, and so cannot be stored in a line.
inline constexpr char kConfigUnstorableByte = '\xF5';
// No real line comes near this; a longer one is dropped whole rather than buffered.
inline constexpr std::size_t kMaxConfigLineLength = 64 * 1024;

// Turns the bytes of a configuration file, fed in chunks of any size, into its plain-text
// lines. Holds at most one line of kMaxConfigLineLength (or the given limit) however the input
// looks; a longer line is counted, not kept, and reported when its line feed arrives. Bytes
// after the last line feed are never a line.
class ConfigLineReader {
 public:
  // `text` is only valid during the call.
  using LineHandler = std::function<void(std::string_view text)>;
  // The 1-based number of the dropped line and its length without the line feed.
  using OverlongHandler = std::function<void(std::uint64_t lineNumber, std::uint64_t length)>;

  ConfigLineReader(LineHandler onLine, OverlongHandler onOverlong,
                   std::size_t maxLineLength = kMaxConfigLineLength);

  void feed(std::string_view bytes);

  // Lines ended so far, dropped ones included.
  std::uint64_t lineCount() const { return m_lineCount; }
  // Bytes of the unfinished line after the last line feed (and its skipped byte); at the end
  // of the input these are what the reader ignores.
  std::uint64_t pendingBytes() const { return m_pending; }

 private:
  void take(std::string_view bytes);
  void endLine();

  LineHandler m_onLine;
  OverlongHandler m_onOverlong;
  std::size_t m_maxLineLength;
  std::string m_line;
  std::uint64_t m_pending = 0;
  std::uint64_t m_lineCount = 0;
  bool m_skipNext = false;
};

struct ConfigEncoding {
  std::string bytes;        // the file, when every line could be stored
  std::size_t badLine = 0;  // 1-based number of the first line that cannot be stored, else 0
  std::string error;        // why it cannot
  bool ok() const { return badLine == 0; }
};

// The file bytes for a plain text. Lines end in LF or CR LF; a last line without one is
// stored too. Fails on a line holding kConfigUnstorableByte or longer than the reader keeps.
ConfigEncoding encodeProductConfig(std::string_view plainText);

struct ConfigDecoding {
  std::vector<std::string> lines;            // as the reader sees them
  std::vector<std::uint64_t> overlongLines;  // numbers of the lines dropped as too long
  std::uint64_t ignoredTrailingBytes = 0;    // after the last line feed
};

// The plain-text lines of a file, for support.
ConfigDecoding decodeProductConfig(std::string_view fileBytes);

}  // namespace kvr
