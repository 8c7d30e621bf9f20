#include "framework/recent_file_list.h"

#include <algorithm>

namespace {

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

unsigned char FoldCase(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

}  // namespace

bool SamePathIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (IsLeadByte(x)) {
      // The character's two bytes must match as they are.
      if (x != y || i + 1 >= a.size() || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (FoldCase(x) != FoldCase(y)) return false;
  }
  return true;
}

void RecentFileList::Add(const std::string& absolutePath) {
  if (entries_.empty() || absolutePath.empty()) return;
  auto found = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& entry) {
    return !entry.empty() && SamePathIgnoringCase(entry, absolutePath);
  });
  // Everything above the old place (or the whole list) moves down one.
  auto last = found == entries_.end() ? entries_.end() - 1 : found;
  std::move_backward(entries_.begin(), last, last + 1);
  entries_.front() = absolutePath;
}

bool RecentFileList::IsEmpty() const {
  return std::all_of(entries_.begin(), entries_.end(), [](const std::string& e) { return e.empty(); });
}
