#pragma once

// The framework's own texts, Shift_JIS bytes.
namespace framework_texts {

inline constexpr char kUntitled[] = "\x96\xb3\x91\xe8";  // 無題
inline constexpr char kOpenTitle[] = "\x8a\x4a\x82\xad";  // 開く
// 名前を付けて保存
inline constexpr char kSaveAsTitle[] = "\x96\xbc\x91\x4f\x82\xf0\x95\x74\x82\xaf\x82\xc4\x95\xdb\x91\xb6";
// すべてのﾌｧｲﾙ (*.*)
inline constexpr char kAllFilesFilter[] =
    "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\xcc\xa7\xb2\xd9\x20\x28\x2a\x2e\x2a\x29";
inline constexpr char kAllFilesPattern[] = "*.*";

}  // namespace framework_texts
