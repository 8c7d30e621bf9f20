#include "framework/resource_strings.h"

std::string LoadResourceString(UINT id) {
  // LoadStringA cannot report the length it needs, so grow until it fits.
  for (int size = 256; size <= 65536; size *= 4) {
    std::string buffer(static_cast<std::size_t>(size), '\0');
    const int copied = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer.data(), size);
    if (copied < size - 1) {
      buffer.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
      return buffer;
    }
  }
  return std::string();
}

std::string ExtractSubString(const std::string& text, int index, char separator) {
  std::size_t start = 0;
  for (int field = 0; field < index; ++field) {
    const std::size_t next = text.find(separator, start);
    if (next == std::string::npos) return std::string();
    start = next + 1;
  }
  const std::size_t end = text.find(separator, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
