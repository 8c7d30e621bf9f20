#include "view/tavrilond_view.h"

#include "board/get_board.h"
#include "framework/afx_ids.h"
#include "output/edit_control_win32.h"
#include "output/output_box.h"
#include "res/resource.h"
#include "winsys/window_system_win32.h"

const CRuntimeClass CTavrilondView::classCTavrilondView{
    "CTavrilondView", &CFormView::classCFormView, &CreateObjectOf<CTavrilondView>};

static const CommandEntry kViewCommands[] = {
    OnCommand(IDC_GET_BOARD, &CTavrilondView::OnGetBoard),
    OnCommand(IDC_COPY_ALL, &CTavrilondView::OnCopyAll),
    OnCommand(IDC_CLEAR_ALL, &CTavrilondView::OnClearAll),
    OnCommand(ID_EDIT_COPY, &CTavrilondView::OnEditCopy),
    OnCommand(ID_SELECT_ALL_TEXT, &CTavrilondView::OnSelectAllText),
    OnCommand(ID_EDIT_PASTE, &CTavrilondView::OnEditPaste),
};
const MessageMap CTavrilondView::messageMap = MakeMessageMap(&CFormView::messageMap, kViewCommands);

namespace {

// ＭＳ ゴシック
constexpr char kBoardTextFace[] = "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";

// The output-box operations over the bound edit control.
class BoundOutputBox {
 public:
  explicit BoundOutputBox(const CEdit& edit) : edit_(edit.m_hWnd), box_(edit_) {}
  tavrilond::OutputBox* operator->() { return &box_; }

 private:
  tavrilond::EditControlWin32 edit_;
  tavrilond::OutputBox box_;
};

tavrilond::WindowHandle HandleOf(const CWnd& wnd) {
  return reinterpret_cast<tavrilond::WindowHandle>(wnd.m_hWnd);
}

}  // namespace

CTavrilondView::CTavrilondView() : CFormView(IDD_BOARD_FORM) {}

BOOL CTavrilondView::PreCreateWindow(CREATESTRUCTA& cs) { return CFormView::PreCreateWindow(cs); }

void CTavrilondView::DoDataExchange(CDataExchange* dx) {
  CFormView::DoDataExchange(dx);
  const bool firstBinding = m_editBoardText.m_hWnd == nullptr;
  DDX_Control(dx, IDC_BOARD_TEXT, m_editBoardText);
  DDX_Control(dx, IDC_CLEAR_ALL, m_btnClearAll);
  DDX_Control(dx, IDC_COPY_ALL, m_btnCopyAll);
  DDX_Control(dx, IDC_GET_BOARD, m_btnGetBoard);
  DDX_Control(dx, IDC_FORMAT_DISC, m_radioFormatDisc);
  DDX_Control(dx, IDC_FORMAT_DISC_COORD, m_radioFormatDiscCoord);
  DDX_Control(dx, IDC_FORMAT_XO, m_radioFormatXo);
  // The default limit would silently cut boards short once the box fills.
  if (firstBinding && m_editBoardText.m_hWnd != nullptr) {
    tavrilond::EditControlWin32(m_editBoardText.m_hWnd).RaiseTextLimit();
  }
}

void CTavrilondView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  CFrameWnd* frame = GetParentFrame();
  if (frame != nullptr) frame->RecalcLayout(TRUE);
  ResizeParentToFit(TRUE);

  m_radioFormatDisc.SendMessage(BM_SETCHECK, BST_CHECKED, 0);

  CFont created;
  const bool made = created.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET,
                                       OUT_TT_PRECIS, 0x0F, PROOF_QUALITY,
                                       FIXED_PITCH | FF_MODERN, kBoardTextFace);
  HFONT earlier = nullptr;
  if (made) {
    earlier = m_fontBoardText.Detach();
    m_fontBoardText.Attach(created.Detach());
  }
  m_editBoardText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontBoardText.m_hObject), TRUE);
  // Deleted only once the box has let go of it.
  if (earlier != nullptr) ::DeleteObject(earlier);
}

void CTavrilondView::AppendText(const char* text) { BoundOutputBox(m_editBoardText)->AppendText(text); }

void CTavrilondView::OnGetBoard() {
  tavrilond::WindowSystemWin32 windows;
  tavrilond::GetBoardTargets targets;
  targets.appendText = [this](const char* text) { AppendText(text); };
  targets.radioFormatDisc = HandleOf(m_radioFormatDisc);
  targets.radioFormatDiscCoord = HandleOf(m_radioFormatDiscCoord);
  tavrilond::OnGetBoard(windows, targets);
}

void CTavrilondView::OnCopyAll() { BoundOutputBox(m_editBoardText)->OnCopyAll(); }
void CTavrilondView::OnClearAll() { BoundOutputBox(m_editBoardText)->OnClearAll(); }
void CTavrilondView::OnSelectAllText() { BoundOutputBox(m_editBoardText)->OnSelectAllText(); }
void CTavrilondView::OnEditCopy() { BoundOutputBox(m_editBoardText)->OnEditCopy(); }
void CTavrilondView::OnEditPaste() { BoundOutputBox(m_editBoardText)->OnEditPaste(); }
