// Reads the resources back out of the built Tavrilond.exe through the
// system's own resource calls, as the program and Windows itself read them,
// and compares them with the expected tables below, which are written from
// the numbers and texts, not from the resource script.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);  // 0x0411

using Bytes = std::vector<std::uint8_t>;

std::string ProgramPath() {
  char self[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self, length);
  path.erase(path.find_last_of("\\/") + 1);
  return path + "Tavrilond.exe";
}

// Loaded once as a data file: its resources are read, none of its code runs.
HMODULE Program() {
  static HMODULE module = LoadLibraryExA(ProgramPath().c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  return module;
}

// The Japanese copy of a resource, exactly as stored; empty when there is none.
Bytes Raw(LPCSTR type, WORD id) {
  HRSRC found = FindResourceExA(Program(), type, MAKEINTRESOURCEA(id), kJapanese);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(Program(), found);
  auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!data) return {};
  return Bytes(data, data + SizeofResource(Program(), found));
}

std::string Hex(const Bytes& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) text += (i % 16 == 0) ? '\n' : ' ';
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text;
}

// Builds resource bytes the way the system lays them out: little-endian
// words, UTF-16 texts with their terminating zero, items on 4-byte bounds.
class Writer {
 public:
  Writer& Word(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    return *this;
  }
  Writer& Dword(std::uint32_t value) { return Word(value & 0xFFFF).Word(value >> 16); }
  Writer& Text(std::u16string_view text) {
    for (char16_t c : text) Word(c);
    return Word(0);
  }
  Writer& Ordinal(std::uint16_t value) { return Word(0xFFFF).Word(value); }
  Writer& AlignDword() {
    while (bytes_.size() % 4) bytes_.push_back(0);
    return *this;
  }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

class ProgramResources : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Program(), nullptr) << "cannot load " << ProgramPath() << " as a data file";
  }
};

// Texts that the system hands out through the byte-string calls are
// Shift_JIS only under the Japanese code page.
class ProgramTexts : public ProgramResources {
 protected:
  void SetUp() override {
    ProgramResources::SetUp();
    ASSERT_EQ(GetACP(), 932u);
  }
};

// ---------------------------------------------------------------- dialogs

// Predefined window classes, named in a template by ordinal.
constexpr std::uint16_t kButton = 0x0080;
constexpr std::uint16_t kEdit = 0x0081;
constexpr std::uint16_t kStatic = 0x0082;

struct Control {
  std::uint16_t id;
  std::uint16_t windowClass;
  std::u16string_view text;
  std::uint16_t textOrdinal;  // a resource named by number instead of a text
  std::int16_t x, y, cx, cy;
  std::uint32_t style;
};

struct Dialog {
  const char* name;
  std::uint16_t id;
  std::uint32_t style;
  std::int16_t x, y, cx, cy;
  std::u16string_view caption;
  std::uint16_t pointSize;
  std::u16string_view font;
  std::vector<Control> controls;
};

// ＭＳ Ｐゴシック
constexpr std::u16string_view kFormFont = u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";

const Dialog kDialogs[] = {
    {"IDD_ABOUTBOX", 100, 0x80C800C0, 0, 0, 235, 55,
     // Tavrilondのﾊﾞｰｼﾞｮﾝ情報
     u"Tavrilond\u306E\uFF8A\uFF9E\uFF70\uFF7C\uFF9E\uFF6E\uFF9D\u60C5\u5831", 9, kFormFont,
     {
         // id (0xFFFF: -1, IDC_STATIC), class, text or icon ordinal, x, y, cx, cy, style
         {0xFFFF, kStatic, u"",                            128, 11,  17, 20,  20, 0x50000003},  // icon 128
         {0xFFFF, kStatic, u"Tavrilond Version 1.0",         0, 40,  10, 119,  8, 0x50020080},
         {0xFFFF, kStatic, u"Copyright (C) 2026 Tavrilond",  0, 40,  25, 119,  8, 0x50020000},
         {1,      kButton, u"OK",                            0, 178,  7, 50,  14, 0x50030001},  // IDOK
     }},
    {"IDD_BOARD_FORM", 101, 0x40000040, 0, 0, 195, 130, u"", 9, kFormFont,
     {
         // id  class    text                                                     ord  x    y    cx   cy   style
         {1000, kEdit,   u"",                                                     0, 7,   7,   107, 116, 0x50A11004},
         // ●○形式
         {1001, kButton, u"\u25CF\u25CB\u5F62\u5F0F",                             0, 117, 7,   43,  10,  0x50000009},
         // ●○形式（座標付）
         {1002, kButton, u"\u25CF\u25CB\u5F62\u5F0F\uFF08\u5EA7\u6A19\u4ED8\uFF09", 0, 117, 19,  71,  10,  0x50000009},
         // xo形式
         {1003, kButton, u"xo\u5F62\u5F0F",                                       0, 117, 32,  37,  10,  0x50000009},
         // 盤面取得
         {1004, kButton, u"\u76E4\u9762\u53D6\u5F97",                             0, 118, 66,  62,  14,  0x50010000},
         // コピー
         {1005, kButton, u"\u30B3\u30D4\u30FC",                                   0, 118, 86,  62,  14,  0x50010000},
         // クリア
         {1006, kButton, u"\u30AF\u30EA\u30A2",                                   0, 118, 107, 62,  14,  0x50010000},
     }},
};

void PrintTo(const Dialog& dialog, std::ostream* out) { *out << dialog.name; }

// A classic (not extended) template: header, no menu, the default class,
// caption, font; then each control on a 4-byte bound, with no creation data.
Bytes ClassicTemplate(const Dialog& dialog) {
  Writer out;
  out.Dword(dialog.style).Dword(0).Word(static_cast<std::uint16_t>(dialog.controls.size()));
  out.Word(dialog.x).Word(dialog.y).Word(dialog.cx).Word(dialog.cy);
  out.Word(0).Word(0).Text(dialog.caption);
  out.Word(dialog.pointSize).Text(dialog.font);
  for (const Control& control : dialog.controls) {
    out.AlignDword();
    out.Dword(control.style).Dword(0);
    out.Word(control.x).Word(control.y).Word(control.cx).Word(control.cy).Word(control.id);
    out.Ordinal(control.windowClass);
    if (control.textOrdinal)
      out.Ordinal(control.textOrdinal);
    else
      out.Text(control.text);
    out.Word(0);
  }
  return out.bytes();
}

class ResourcesDialogs : public ProgramResources, public testing::WithParamInterface<Dialog> {};

TEST_P(ResourcesDialogs, TemplateBytesAreExact) {
  const Dialog& dialog = GetParam();
  Bytes expected = ClassicTemplate(dialog);
  Bytes actual = Raw(RT_DIALOG, dialog.id);
  ASSERT_FALSE(actual.empty()) << "no Japanese dialog " << dialog.id;
  // The stored size may round up to a 4-byte bound; the padding is zero.
  ASSERT_GE(actual.size(), expected.size());
  ASSERT_LT(actual.size(), expected.size() + 4);
  EXPECT_TRUE(std::all_of(actual.begin() + expected.size(), actual.end(),
                          [](std::uint8_t b) { return b == 0; }));
  actual.resize(expected.size());
  EXPECT_EQ(Hex(actual), Hex(expected));
}

INSTANTIATE_TEST_SUITE_P(Templates, ResourcesDialogs, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<Dialog>& info) {
                           return std::string(info.param.name);
                         });

// ---------------------------------------------------------------- menu

// ﾂｰﾙ ﾊﾞｰ(&T)
constexpr std::u16string_view kToolBarItem = u"\uFF82\uFF70\uFF99 \uFF8A\uFF9E\uFF70(&T)";
constexpr std::uint16_t kToolBarCommand = 59392;  // ID_VIEW_TOOLBAR

using ResourcesMenu = ProgramTexts;

TEST_F(ResourcesMenu, TemplateIsOneUntitledPopupWithTheToolBarItem) {
  Writer expected;
  expected.Word(0).Word(0);       // header: version 0, header size 0
  expected.Word(0x0090).Text(u"");  // MF_POPUP | MF_END, empty caption
  expected.Word(0x0080).Word(kToolBarCommand).Text(kToolBarItem);  // MF_END
  EXPECT_EQ(Hex(Raw(RT_MENU, 128)), Hex(expected.bytes()));
}

TEST_F(ResourcesMenu, SystemShowsTheItemEnabledAndUnchecked) {
  HMENU bar = LoadMenuA(Program(), MAKEINTRESOURCEA(128));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenuItemCount(bar), 1);
  char text[64] = "unchanged";
  EXPECT_EQ(GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION), 0);
  EXPECT_STREQ(text, "");

  HMENU popup = GetSubMenu(bar, 0);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(GetMenuItemCount(popup), 1);
  EXPECT_EQ(GetMenuItemID(popup, 0), kToolBarCommand);
  int length = GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ(std::string(text, length), "\xC2\xB0\xD9 \xCA\xDE\xB0(&T)");  // ﾂｰﾙ ﾊﾞｰ(&T)
  UINT state = GetMenuState(popup, 0, MF_BYPOSITION);
  EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR), 0u);
  DestroyMenu(bar);
}

// ---------------------------------------------------------------- keys

struct Key {
  BYTE flags;  // as stored, with the end-of-table bit 0x80 on the last
  WORD key;
  WORD command;
};

// FVIRTKEY 0x01 and FNOINVERT 0x02 on every entry; FSHIFT 0x04,
// FCONTROL 0x08, FALT 0x10.
const Key kKeys[] = {
    {0x0B, 'A', 32771},        // Ctrl+A          ID_SELECT_ALL_TEXT
    {0x0B, 'C', 57634},        // Ctrl+C          ID_EDIT_COPY
    {0x0B, 'N', 57600},        // Ctrl+N          ID_FILE_NEW
    {0x0B, 'O', 57601},        // Ctrl+O          ID_FILE_OPEN
    {0x0B, 'S', 57603},        // Ctrl+S          ID_FILE_SAVE
    {0x0B, 'V', 57637},        // Ctrl+V          ID_EDIT_PASTE
    {0x13, VK_BACK, 57643},    // Alt+Backspace   ID_EDIT_UNDO
    {0x07, VK_DELETE, 57635},  // Shift+Delete    ID_EDIT_CUT
    {0x03, VK_F6, 57680},      // F6              ID_NEXT_PANE
    {0x07, VK_F6, 57681},      // Shift+F6        ID_PREV_PANE
    {0x0B, VK_INSERT, 57634},  // Ctrl+Insert     ID_EDIT_COPY
    {0x07, VK_INSERT, 57637},  // Shift+Insert    ID_EDIT_PASTE
    {0x0B, 'X', 57635},        // Ctrl+X          ID_EDIT_CUT
    {0x8B, 'Z', 57643},        // Ctrl+Z          ID_EDIT_UNDO
};

using ResourcesAccelerators = ProgramResources;

TEST_F(ResourcesAccelerators, TableBytesAreExact) {
  Writer expected;
  for (const Key& key : kKeys) expected.Word(key.flags).Word(key.key).Word(key.command).Word(0);
  EXPECT_EQ(Hex(Raw(RT_ACCELERATOR, 128)), Hex(expected.bytes()));
}

TEST_F(ResourcesAccelerators, SystemLoadsAllFourteenKeysInOrder) {
  HACCEL table = LoadAcceleratorsA(Program(), MAKEINTRESOURCEA(128));
  ASSERT_NE(table, nullptr);
  constexpr int kCount = sizeof kKeys / sizeof kKeys[0];
  ASSERT_EQ(CopyAcceleratorTableA(table, nullptr, 0), kCount);
  ACCEL loaded[kCount] = {};
  ASSERT_EQ(CopyAcceleratorTableA(table, loaded, kCount), kCount);
  for (int i = 0; i < kCount; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i + 1));
    // The end-of-table bit belongs to the stored form only.
    EXPECT_EQ(int{loaded[i].fVirt}, kKeys[i].flags & 0x7F);
    EXPECT_EQ(loaded[i].key, kKeys[i].key);
    EXPECT_EQ(loaded[i].cmd, kKeys[i].command);
  }
  DestroyAcceleratorTable(table);
}

// ---------------------------------------------------------------- strings

struct Text {
  UINT id;
  std::string_view bytes;  // Shift_JIS
};

const Text kTexts[] = {
    // IDR_MAINFRAME: Tavrilond\n\nTavril\n\n\nTavrilond.Document\nTavril Document
    {128, "Tavrilond\n\nTavril\n\n\nTavrilond.Document\nTavril Document"},
    // AFX_IDS_APP_TITLE: Tavrilond
    {57344, "Tavrilond"},
    // AFX_IDS_IDLEMESSAGE: ﾚﾃﾞｨ
    {57345, "\xDA\xC3\xDE\xA8"},
    // ID_FILE_NEW: 新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ
    {57600, "\x90\x56\x8B\x4B\x82\xC9\xCC\xA7\xB2\xD9\x82\xF0\x8D\xEC\x90\xAC\n\x90\x56\x8B\x4B\xCC\xA7\xB2\xD9"},
    // ID_FILE_OPEN: 既存のﾌｧｲﾙを開く\n開く
    {57601, "\x8A\xF9\x91\xB6\x82\xCC\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD\n\x8A\x4A\x82\xAD"},
    // ID_FILE_CLOSE: 作業中のﾌｧｲﾙを閉じる\n閉じる
    {57602, "\x8D\xEC\x8B\xC6\x92\x86\x82\xCC\xCC\xA7\xB2\xD9\x82\xF0\x95\xC2\x82\xB6\x82\xE9\n\x95\xC2\x82\xB6\x82\xE9"},
    // ID_FILE_SAVE: 作業中のﾌｧｲﾙを上書きして保存\n保存
    {57603, "\x8D\xEC\x8B\xC6\x92\x86\x82\xCC\xCC\xA7\xB2\xD9\x82\xF0\x8F\xE3\x8F\x91\x82\xAB\x82\xB5\x82\xC4\x95\xDB\x91\xB6\n\x95\xDB\x91\xB6"},
    // ID_FILE_SAVE_AS: 作業中のﾌｧｲﾙを新しい名前で保存\n名前を付けて保存
    {57604, "\x8D\xEC\x8B\xC6\x92\x86\x82\xCC\xCC\xA7\xB2\xD9\x82\xF0\x90\x56\x82\xB5\x82\xA2\x96\xBC\x91\x4F\x82\xC5\x95\xDB\x91\xB6\n\x96\xBC\x91\x4F\x82\xF0\x95\x74\x82\xAF\x82\xC4\x95\xDB\x91\xB6"},
    // ID_EDIT_CLEAR: 選択範囲を消去\n消去
    {57632, "\x91\x49\x91\xF0\x94\xCD\x88\xCD\x82\xF0\x8F\xC1\x8B\x8E\n\x8F\xC1\x8B\x8E"},
    // ID_EDIT_CLEAR_ALL: すべて消去\nすべて消去
    {57633, "\x82\xB7\x82\xD7\x82\xC4\x8F\xC1\x8B\x8E\n\x82\xB7\x82\xD7\x82\xC4\x8F\xC1\x8B\x8E"},
    // ID_EDIT_COPY: 選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ
    {57634, "\x91\x49\x91\xF0\x94\xCD\x88\xCD\x82\xF0\xBA\xCB\xDF\xB0\x82\xB5\x82\xC4\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x82\xC9\x95\xDB\x91\xB6\n\xBA\xCB\xDF\xB0"},
    // ID_EDIT_CUT: 選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り
    {57635, "\x91\x49\x91\xF0\x94\xCD\x88\xCD\x82\xF0\x90\xD8\x82\xE8\x8E\xE6\x82\xC1\x82\xC4\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x82\xC9\x95\xDB\x91\xB6\n\x90\xD8\x82\xE8\x8E\xE6\x82\xE8"},
    // ID_EDIT_FIND: 指定した文字列の検索\n検索
    {57636, "\x8E\x77\x92\xE8\x82\xB5\x82\xBD\x95\xB6\x8E\x9A\x97\xF1\x82\xCC\x8C\x9F\x8D\xF5\n\x8C\x9F\x8D\xF5"},
    // ID_EDIT_PASTE: ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け
    {57637, "\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x82\xCC\x93\xE0\x97\x65\x82\xF0\x93\x5C\x82\xE8\x95\x74\x82\xAF\n\x93\x5C\x82\xE8\x95\x74\x82\xAF"},
    // ID_EDIT_REPEAT: 直前に行った動作を繰り返す\n繰り返し
    {57640, "\x92\xBC\x91\x4F\x82\xC9\x8D\x73\x82\xC1\x82\xBD\x93\xAE\x8D\xEC\x82\xF0\x8C\x4A\x82\xE8\x95\xD4\x82\xB7\n\x8C\x4A\x82\xE8\x95\xD4\x82\xB5"},
    // ID_EDIT_REPLACE: 指定した文字列を他の文字列で置換\n置換
    {57641, "\x8E\x77\x92\xE8\x82\xB5\x82\xBD\x95\xB6\x8E\x9A\x97\xF1\x82\xF0\x91\xBC\x82\xCC\x95\xB6\x8E\x9A\x97\xF1\x82\xC5\x92\x75\x8A\xB7\n\x92\x75\x8A\xB7"},
    // ID_EDIT_SELECT_ALL: ﾌｧｲﾙ内のすべてを選択\nすべて選択
    {57642, "\xCC\xA7\xB2\xD9\x93\xE0\x82\xCC\x82\xB7\x82\xD7\x82\xC4\x82\xF0\x91\x49\x91\xF0\n\x82\xB7\x82\xD7\x82\xC4\x91\x49\x91\xF0"},
    // ID_EDIT_UNDO: 直前に行った動作を元に戻す\n元に戻す
    {57643, "\x92\xBC\x91\x4F\x82\xC9\x8D\x73\x82\xC1\x82\xBD\x93\xAE\x8D\xEC\x82\xF0\x8C\xB3\x82\xC9\x96\xDF\x82\xB7\n\x8C\xB3\x82\xC9\x96\xDF\x82\xB7"},
    // ID_EDIT_REDO: 直前に元に戻した動作をやり直す\nやり直し
    {57644, "\x92\xBC\x91\x4F\x82\xC9\x8C\xB3\x82\xC9\x96\xDF\x82\xB5\x82\xBD\x93\xAE\x8D\xEC\x82\xF0\x82\xE2\x82\xE8\x92\xBC\x82\xB7\n\x82\xE2\x82\xE8\x92\xBC\x82\xB5"},
    // ID_WINDOW_SPLIT: 作業中のｳｨﾝﾄﾞｳを分割\n分割
    {57653, "\x8D\xEC\x8B\xC6\x92\x86\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xF0\x95\xAA\x8A\x84\n\x95\xAA\x8A\x84"},
    // ID_APP_ABOUT: ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報
    {57664, "\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xCC\x8F\xEE\x95\xF1\x81\x41\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x82\xBB\x82\xB5\x82\xC4\x92\x98\x8D\xEC\x8C\xA0\x82\xF0\x95\x5C\x8E\xA6\n\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x8F\xEE\x95\xF1"},
    // ID_APP_EXIT: ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了
    {57665, "\xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD\x82\xF0\x8F\x49\x97\xB9\x82\xB5\x81\x41\xCC\xA7\xB2\xD9\x82\xCC\x95\xDB\x91\xB6\x82\xF0\x8E\x77\x8E\xA6\n\x8F\x49\x97\xB9"},
    // ID_NEXT_PANE: 次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ
    {57680, "\x8E\x9F\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6\x82\xE9\n\x8E\x9F\x82\xCC\xCD\xDF\xB2\xDD"},
    // ID_PREV_PANE: 前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ
    {57681, "\x91\x4F\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6\x82\xE9\n\x91\x4F\x82\xCC\xCD\xDF\xB2\xDD"},
    // ID_INDICATOR_EXT: EXT
    {59136, "EXT"},
    // ID_INDICATOR_CAPS: CAP
    {59137, "CAP"},
    // ID_INDICATOR_NUM: NUM
    {59138, "NUM"},
    // ID_INDICATOR_SCRL: SCRL
    {59139, "SCRL"},
    // ID_INDICATOR_OVR: 上書
    {59140, "\x8F\xE3\x8F\x91"},
    // ID_INDICATOR_REC: 記録
    {59141, "\x8B\x4C\x98\x5E"},
    // ID_INDICATOR_KANA: ｶﾅ
    {59142, "\xB6\xC5"},
};

// ID_FILE_MRU_FILE1 .. ID_FILE_MRU_FILE16: 指定のﾌｧｲﾙを開く, a prompt with no tool tip
constexpr UINT kFirstRecentFile = 57616;
constexpr std::string_view kRecentFilePrompt =
    "\x8E\x77\x92\xE8\x82\xCC\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD";

std::map<UINT, std::string_view> ExpectedTexts() {
  std::map<UINT, std::string_view> texts;
  for (const Text& text : kTexts) texts.emplace(text.id, text.bytes);
  for (UINT i = 0; i < 16; ++i) texts.emplace(kFirstRecentFile + i, kRecentFilePrompt);
  return texts;
}

using ResourcesStrings = ProgramTexts;

TEST_F(ResourcesStrings, EachOfTheFortySevenReadsBackAsShiftJis) {
  auto expected = ExpectedTexts();
  ASSERT_EQ(expected.size(), 47u);
  for (const auto& [id, bytes] : expected) {
    char buffer[512];
    int length = LoadStringA(Program(), id, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, std::max(length, 0)), std::string(bytes)) << "string " << id;
  }
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
  if (IS_INTRESOURCE(name))
    reinterpret_cast<std::vector<WORD>*>(out)->push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
  return TRUE;
}

// Strings live in blocks of sixteen; block n holds ids 16(n-1) to 16n-1,
// each a length and that many UTF-16 units, an empty slot a zero length.
TEST_F(ResourcesStrings, NoOtherStringExists) {
  std::vector<WORD> blocks;
  EnumResourceNamesA(Program(), RT_STRING, CollectName, reinterpret_cast<LONG_PTR>(&blocks));
  std::set<UINT> present;
  for (WORD block : blocks) {
    Bytes data = Raw(RT_STRING, block);
    ASSERT_FALSE(data.empty()) << "no Japanese copy of string block " << block;
    std::size_t at = 0;
    for (UINT slot = 0; slot < 16; ++slot) {
      ASSERT_LE(at + 2, data.size()) << "string block " << block << " is cut short";
      std::size_t units = data[at] | data[at + 1] << 8;
      at += 2 + 2 * units;
      if (units) present.insert((block - 1u) * 16 + slot);
    }
    EXPECT_EQ(at, data.size()) << "string block " << block << " has bytes after its sixteen slots";
  }
  std::vector<UINT> unexpected, missing;
  auto expected = ExpectedTexts();
  for (UINT id : present)
    if (!expected.count(id)) unexpected.push_back(id);
  for (const auto& entry : expected)
    if (!present.count(entry.first)) missing.push_back(entry.first);
  EXPECT_EQ(unexpected, std::vector<UINT>{}) << "strings that should not exist";
  EXPECT_EQ(missing, std::vector<UINT>{}) << "strings that should exist";
}

// ---------------------------------------------------------------- icons

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved, type, count;
};
struct GroupIconEntry {
  BYTE width, height, colourCount, reserved;
  WORD planes, bitCount;
  DWORD bytesInRes;
  WORD id;
};
#pragma pack(pop)

struct IconImage {
  int size;
  Bytes bits;  // BITMAPINFOHEADER, palette, colour bits, mask
};

// The images of an icon group, largest first.
std::vector<IconImage> IconImages(WORD group) {
  Bytes directory = Raw(RT_GROUP_ICON, group);
  std::vector<IconImage> images;
  if (directory.size() < sizeof(GroupIconHeader)) return images;
  GroupIconHeader header;
  std::memcpy(&header, directory.data(), sizeof header);
  EXPECT_EQ(header.reserved, 0);
  EXPECT_EQ(header.type, 1);  // icon, not cursor
  EXPECT_EQ(directory.size(), sizeof header + header.count * sizeof(GroupIconEntry));
  for (WORD i = 0; i < header.count && sizeof header + (i + 1u) * sizeof(GroupIconEntry) <= directory.size();
       ++i) {
    GroupIconEntry entry;
    std::memcpy(&entry, directory.data() + sizeof header + i * sizeof entry, sizeof entry);
    SCOPED_TRACE("image " + std::to_string(entry.id));
    EXPECT_EQ(entry.width, entry.height);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.reserved, 0);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 4);
    Bytes bits = Raw(RT_ICON, entry.id);
    EXPECT_EQ(bits.size(), entry.bytesInRes);
    images.push_back({entry.width, std::move(bits)});
  }
  std::sort(images.begin(), images.end(),
            [](const IconImage& a, const IconImage& b) { return a.size > b.size; });
  return images;
}

int RowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

class ResourcesIcons : public ProgramResources, public testing::WithParamInterface<WORD> {};

TEST_P(ResourcesIcons, TwoSixteenColourImagesWithMask) {
  std::vector<IconImage> images = IconImages(GetParam());
  ASSERT_EQ(images.size(), 2u);
  const int sizes[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const IconImage& image = images[i];
    ASSERT_EQ(image.size, sizes[i]);
    SCOPED_TRACE(std::to_string(image.size) + "x" + std::to_string(image.size));
    const int n = image.size;
    const std::size_t colours = 40 + 16 * 4, mask = colours + RowBytes(n, 4) * n;
    ASSERT_EQ(image.bits.size(), mask + RowBytes(n, 1) * n);
    BITMAPINFOHEADER info;
    std::memcpy(&info, image.bits.data(), sizeof info);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biWidth, n);
    EXPECT_EQ(info.biHeight, 2 * n);  // colour image and mask, stacked
    EXPECT_EQ(info.biPlanes, 1);
    EXPECT_EQ(info.biBitCount, 4);
    EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));

    // Where the mask lets the screen through, the colour must be black, or
    // the icon would invert the background there instead of showing it.
    int opaque = 0;
    std::set<int> used;
    for (int y = 0; y < n; ++y) {
      for (int x = 0; x < n; ++x) {
        bool transparent = image.bits[mask + y * RowBytes(n, 1) + x / 8] & (0x80 >> (x % 8));
        std::uint8_t pair = image.bits[colours + y * RowBytes(n, 4) + x / 2];
        int index = x % 2 ? pair & 15 : pair >> 4;
        const std::uint8_t* rgb = image.bits.data() + 40 + 4 * index;
        if (transparent) {
          EXPECT_TRUE(rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0) << "pixel " << x << "," << y;
        } else {
          ++opaque;
          used.insert(index);
        }
      }
    }
    EXPECT_GT(opaque, n * n / 2) << "mostly see-through";
    EXPECT_GE(used.size(), 3u) << "hardly a picture";

    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.bits.data()),
                                          static_cast<DWORD>(image.bits.size()), TRUE, 0x00030000, n, n, 0);
    EXPECT_NE(icon, nullptr) << "the system does not accept the image";
    if (icon) DestroyIcon(icon);
  }
}

INSTANTIATE_TEST_SUITE_P(Groups, ResourcesIcons, testing::Values(WORD{128}, WORD{129}),
                         [](const testing::TestParamInfo<WORD>& info) {
                           return info.param == 128 ? "IDR_MAINFRAME" : "IDR_DOCUMENT_TYPE";
                         });

using ResourcesIconGroups = ProgramResources;

TEST_F(ResourcesIconGroups, DocumentPicturesDifferFromProgramPictures) {
  std::vector<IconImage> program = IconImages(128), document = IconImages(129);
  ASSERT_EQ(program.size(), document.size());
  for (std::size_t i = 0; i < program.size(); ++i)
    EXPECT_NE(program[i].bits, document[i].bits) << program[i].size << "x" << program[i].size;
}

// ---------------------------------------------------------------- version

struct VersionNode {
  std::u16string key;
  Bytes value;
  std::vector<VersionNode> children;
};

// One node of the version block: length, value length, type, key, value,
// children; key, value and each child start on a 4-byte bound.
VersionNode ParseVersionNode(const Bytes& data, std::size_t at, std::size_t end) {
  auto word = [&](std::size_t i) { return static_cast<std::size_t>(data[i] | data[i + 1] << 8); };
  auto align = [](std::size_t i) { return (i + 3) & ~std::size_t{3}; };
  VersionNode node;
  std::size_t length = word(at), valueLength = word(at + 2), type = word(at + 4);
  std::size_t stop = std::min(at + length, end), i = at + 6;
  for (; i + 1 < stop && word(i); i += 2) node.key += static_cast<char16_t>(word(i));
  i = align(i + 2);
  std::size_t valueBytes = type == 1 ? 2 * valueLength : valueLength;  // text counts UTF-16 units
  if (valueLength && i + valueBytes <= stop) {
    node.value.assign(data.begin() + i, data.begin() + i + valueBytes);
    i = align(i + valueBytes);
  }
  while (i + 6 <= stop && word(i)) {
    node.children.push_back(ParseVersionNode(data, i, stop));
    i = align(i + word(i));
  }
  return node;
}

std::vector<std::u16string> Keys(const VersionNode& node) {
  std::vector<std::u16string> keys;
  for (const VersionNode& child : node.children) keys.push_back(child.key);
  return keys;
}

struct VersionText {
  const char* key;
  std::string_view bytes;  // Shift_JIS
};

const VersionText kVersionTexts[] = {
    {"CompanyName", ""},
    {"FileDescription", "Tavrilond MFC \xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD"},  // Tavrilond MFC ｱﾌﾟﾘｹｰｼｮﾝ
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Tavrilond"},
    {"LegalCopyright", "Copyright (C) 2026 Tavrilond"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Tavrilond.EXE"},
    {"ProductName", "Tavrilond \xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD"},  // Tavrilond ｱﾌﾟﾘｹｰｼｮﾝ
    {"ProductVersion", "1, 0, 0, 1"},
};

class ResourcesVersion : public ProgramTexts {
 protected:
  void SetUp() override {
    ProgramTexts::SetUp();
    std::string path = ProgramPath();
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
    ASSERT_GT(size, 0u) << "no version block";
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block_.data()));
  }
  std::pair<const void*, UINT> Query(const std::string& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block_.data(), path.c_str(), &value, &length)) return {nullptr, 0};
    return {value, length};
  }
  Bytes block_;
};

TEST_F(ResourcesVersion, FixedPart) {
  auto [value, length] = Query("\\");
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
  const std::pair<const char*, std::pair<DWORD, DWORD>> fields[] = {
      {"signature", {fixed.dwSignature, 0xFEEF04BD}},
      {"file version, high", {fixed.dwFileVersionMS, 0x00010000}},  // 1.0
      {"file version, low", {fixed.dwFileVersionLS, 0x00000001}},   // .0.1
      {"product version, high", {fixed.dwProductVersionMS, 0x00010000}},
      {"product version, low", {fixed.dwProductVersionLS, 0x00000001}},
      {"file-flags mask", {fixed.dwFileFlagsMask, 0x3F}},
      {"file flags", {fixed.dwFileFlags, 0}},
      {"operating system", {fixed.dwFileOS, VOS__WINDOWS32}},
      {"file type", {fixed.dwFileType, VFT_APP}},
      {"file subtype", {fixed.dwFileSubtype, 0}},
      {"file date, high", {fixed.dwFileDateMS, 0}},
      {"file date, low", {fixed.dwFileDateLS, 0}},
  };
  for (const auto& [name, values] : fields) EXPECT_EQ(values.first, values.second) << name;
}

TEST_F(ResourcesVersion, StringValuesReadBackAsShiftJis) {
  for (const VersionText& text : kVersionTexts) {
    auto [value, length] = Query(std::string("\\StringFileInfo\\041104B0\\") + text.key);
    ASSERT_NE(value, nullptr) << text.key << " is missing";
    EXPECT_EQ(std::string(static_cast<const char*>(value)), std::string(text.bytes)) << text.key;
  }
}

TEST_F(ResourcesVersion, OneTranslationJapaneseUnicode) {
  auto [value, length] = Query("\\VarFileInfo\\Translation");
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(length, 4u);
  const WORD* pair = static_cast<const WORD*>(value);
  EXPECT_EQ(pair[0], 0x0411);
  EXPECT_EQ(pair[1], 1200);
}

// The order of blocks and keys is visible only in the stored form.
TEST_F(ResourcesVersion, BlocksAndKeysInOrder) {
  Bytes data = Raw(RT_VERSION, 1);
  ASSERT_GE(data.size(), 6u);
  VersionNode root = ParseVersionNode(data, 0, data.size());
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  EXPECT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
  ASSERT_EQ(Keys(root), (std::vector<std::u16string>{u"StringFileInfo", u"VarFileInfo"}));
  const VersionNode& strings = root.children[0];
  ASSERT_EQ(Keys(strings), std::vector<std::u16string>{u"041104B0"});
  std::vector<std::u16string> expected;
  for (const VersionText& text : kVersionTexts) expected.emplace_back(text.key, text.key + std::strlen(text.key));
  EXPECT_EQ(Keys(strings.children[0]), expected);
  const VersionNode& variables = root.children[1];
  ASSERT_EQ(Keys(variables), std::vector<std::u16string>{u"Translation"});
  EXPECT_EQ(Hex(variables.children[0].value), Hex(Bytes{0x11, 0x04, 0xB0, 0x04}));
}

// ---------------------------------------------------------------- language

struct Inventory {
  std::vector<std::string> entries;  // "type/name/language"
};

std::string ResourceName(LPCSTR name) {
  return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR out) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%04X", language);
  reinterpret_cast<Inventory*>(out)->entries.push_back(ResourceName(type) + "/" + ResourceName(name) + "/" + hex);
  return TRUE;
}

BOOL CALLBACK CollectLanguagesOfName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR out) {
  EnumResourceLanguagesA(module, type, name, CollectLanguage, out);
  return TRUE;
}

BOOL CALLBACK CollectType(HMODULE module, LPSTR type, LONG_PTR out) {
  EnumResourceNamesA(module, type, CollectLanguagesOfName, out);
  return TRUE;
}

using ResourcesLanguage = ProgramResources;

TEST_F(ResourcesLanguage, EveryResourceIsJapaneseOnly) {
  Inventory inventory;
  EnumResourceTypesA(Program(), CollectType, reinterpret_cast<LONG_PTR>(&inventory));
  ASSERT_FALSE(inventory.entries.empty());
  for (const std::string& entry : inventory.entries)
    EXPECT_EQ(entry.substr(entry.size() - 4), "0411") << entry;
  // Every resource the program loads by number is among them.
  const char* wanted[] = {"5/100/0411", "5/101/0411", "4/128/0411", "9/128/0411",
                          "14/128/0411", "14/129/0411", "16/1/0411"};
  for (const char* entry : wanted)
    EXPECT_NE(std::find(inventory.entries.begin(), inventory.entries.end(), entry), inventory.entries.end())
        << entry << " is missing";
}

}  // namespace
