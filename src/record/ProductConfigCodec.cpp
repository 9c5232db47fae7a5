#include "record/ProductConfigCodec.h"

#include <utility>

namespace kvr {

namespace {

void appendInverted(std::string& into, std::string_view bytes) {
  std::size_t at = into.size();
  into.resize(at + bytes.size());
  for (char byte : bytes)
    into[at++] = static_cast<char>(static_cast<unsigned char>(byte) ^ kConfigInversionMask);
}

}  // namespace

ConfigLineReader::ConfigLineReader(LineHandler onLine, OverlongHandler onOverlong,
                                   std::size_t maxLineLength)
    : m_onLine(std::move(onLine)),
      m_onOverlong(std::move(onOverlong)),
      m_maxLineLength(maxLineLength) {}

void ConfigLineReader::feed(std::string_view bytes) {
  while (!bytes.empty()) {
    if (m_skipNext) {
      bytes.remove_prefix(1);
      m_skipNext = false;
      continue;
    }
    std::size_t end = bytes.find(kConfigLineEnd);
    if (end == std::string_view::npos) {
      take(bytes);
      return;
    }
    take(bytes.substr(0, end));
    endLine();
    bytes.remove_prefix(end + 1);
    m_skipNext = true;
  }
}

// m_pending counts the whole unfinished line; m_line holds it only while it fits the limit.
void ConfigLineReader::take(std::string_view bytes) {
  m_pending += bytes.size();
  if (m_pending > m_maxLineLength) {
    m_line.clear();
    return;
  }
  appendInverted(m_line, bytes);
}

void ConfigLineReader::endLine() {
  ++m_lineCount;
  if (m_pending > m_maxLineLength) {
    if (m_onOverlong) m_onOverlong(m_lineCount, m_pending);
  } else if (m_onLine) {
    m_onLine(m_line);
  }
  m_line.clear();
  m_pending = 0;
}

ConfigEncoding encodeProductConfig(std::string_view plainText) {
  ConfigEncoding result;
  result.bytes.reserve(plainText.size() + plainText.size() / 8 + 2);
  std::size_t lineNumber = 0;
  while (!plainText.empty()) {
    ++lineNumber;
    std::size_t end = plainText.find('\n');
    std::string_view line = plainText.substr(0, end);
    plainText.remove_prefix(end == std::string_view::npos ? plainText.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    std::string failure;
    if (std::size_t at = line.find(kConfigUnstorableByte); at != std::string_view::npos) {
      failure = "holds the byte 0xF5 at column " + std::to_string(at + 1) +
                ", which cannot be stored: inverted it reads as the end of the line";
    } else if (line.size() > kMaxConfigLineLength) {
      failure = "is " + std::to_string(line.size()) + " bytes long; the reader drops lines over " +
                std::to_string(kMaxConfigLineLength) + " bytes";
    }
    if (!failure.empty()) {
      result.bytes.clear();
      result.badLine = lineNumber;
      result.error = "line " + std::to_string(lineNumber) + " " + failure;
      return result;
    }
    appendInverted(result.bytes, line);
    result.bytes += kConfigLineEnd;
    result.bytes += kConfigLineFiller;
  }
  return result;
}

ConfigDecoding decodeProductConfig(std::string_view fileBytes) {
  ConfigDecoding result;
  ConfigLineReader reader(
      [&result](std::string_view text) { result.lines.emplace_back(text); },
      [&result](std::uint64_t lineNumber, std::uint64_t) {
        result.overlongLines.push_back(lineNumber);
      });
  reader.feed(fileBytes);
  result.ignoredTrailingBytes = reader.pendingBytes();
  return result;
}

}  // namespace kvr
