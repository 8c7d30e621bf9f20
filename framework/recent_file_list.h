#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Whether two Shift_JIS paths name the same file, letter case aside. Only
// single-byte letters fold: the second byte of a double-byte character is
// compared as it is, so that two different characters never match.
bool SamePathIgnoringCase(const std::string& a, const std::string& b);

// The most recently used files, most recent first, in a fixed number of
// places; an empty string is an empty place.
class RecentFileList {
 public:
  explicit RecentFileList(std::size_t size) : entries_(size) {}

  // Puts an absolute path first. An entry naming the same file moves up from
  // its place; otherwise every entry moves down and the last drops out.
  void Add(const std::string& absolutePath);

  void SetEntry(std::size_t index, std::string path) { entries_.at(index) = std::move(path); }
  const std::vector<std::string>& Entries() const { return entries_; }
  std::size_t Size() const { return entries_.size(); }
  bool IsEmpty() const;

 private:
  std::vector<std::string> entries_;
};
