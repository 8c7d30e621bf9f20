#pragma once

#include "framework/controls.h"
#include "framework/view.h"

// The board form: the output box, the three format radio buttons and the
// get-board, copy-all and clear-all buttons.
class CTavrilondView : public CFormView {
 public:
  static const CRuntimeClass classCTavrilondView;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCTavrilondView; }
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  CTavrilondView();

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnInitialUpdate() override;

  // Puts one piece of text at the very end of the output box.
  void AppendText(const char* text);

  void OnGetBoard();
  void OnCopyAll();
  void OnClearAll();
  void OnSelectAllText();
  void OnEditCopy();
  void OnEditPaste();

  CEdit m_editBoardText;
  CButton m_btnClearAll;
  CButton m_btnCopyAll;
  CButton m_btnGetBoard;
  CButton m_radioFormatDisc;
  CButton m_radioFormatDiscCoord;
  CButton m_radioFormatXo;
  CFont m_fontBoardText;
};
