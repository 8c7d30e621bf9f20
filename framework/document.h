#pragma once

#include <string>
#include <vector>

#include "framework/cmd_target.h"

class CDocTemplate;
class CFrameWnd;
class CView;

// The file a document is read from or written to.
class CArchive {
 public:
  enum Mode { load, store };
  CArchive(HANDLE file, Mode mode) : m_hFile(file), m_mode(mode) {}
  bool IsStoring() const { return m_mode == store; }
  bool IsLoading() const { return m_mode == load; }
  HANDLE m_hFile;

 private:
  Mode m_mode;
};

// The data a frame and its views show, with its title, path and modified
// flag, and the file commands that work on it.
class CDocument : public CCmdTarget {
 public:
  static const CRuntimeClass classCDocument;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCDocument; }
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  ~CDocument() override;

  virtual BOOL OnNewDocument();
  virtual BOOL OnOpenDocument(const char* pathName);
  virtual BOOL OnSaveDocument(const char* pathName);
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  virtual void Serialize(CArchive&) {}
  virtual BOOL CanCloseFrame(CFrameWnd* frame);
  virtual BOOL SaveModified();

  const std::string& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(const std::string& title);
  const std::string& GetPathName() const { return m_strPathName; }
  virtual void SetPathName(const std::string& path, bool addToRecentList = true);
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
  const std::vector<CView*>& GetViews() const { return m_viewList; }
  void AddView(CView* view);
  void RemoveView(CView* view);

  // Save as for a new document; Save to the known path otherwise.
  BOOL DoSave(const char* pathName, bool replace = true);
  BOOL DoFileSave();
  void OnFileSave() { DoFileSave(); }
  void OnFileSaveAs() { DoSave(nullptr); }
  void OnFileClose();


 protected:
  // Where the current path came from: only a path that this document was
  // saved to may be written again without asking.
  bool m_bPathFromSave = false;

 private:
  friend class CDocTemplate;
  std::string m_strTitle;
  std::string m_strPathName;
  bool m_bModified = false;
  CDocTemplate* m_pDocTemplate = nullptr;
  std::vector<CView*> m_viewList;
};
