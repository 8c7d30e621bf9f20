#pragma once

#include <string>
#include <vector>

#include "framework/cmd_target.h"

class CDocument;
class CFrameWnd;

// Makes a document with its frame and view from runtime-class records and
// the resources of one id; its document string gives the frame's title,
// the default document name and the file filter.
class CDocTemplate : public CCmdTarget {
 public:
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName,
  };

  CDocTemplate(UINT idResource, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
               const CRuntimeClass* viewClass);

  bool GetDocString(std::string& out, DocStringIndex index) const;
  UINT GetResourceId() const { return m_nIDResource; }

  virtual CDocument* OpenDocumentFile(const char* pathName, bool makeVisible = true) = 0;
  virtual const std::vector<CDocument*>& GetDocuments() const = 0;

  CDocument* CreateNewDocument();
  CFrameWnd* CreateNewFrame(CDocument* doc);
  void InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, bool makeVisible = true);
  virtual void SetDefaultTitle(CDocument* doc);

 protected:
  virtual void AddDocument(CDocument* doc) = 0;
  virtual void RemoveDocument(CDocument* doc) = 0;
  void Attach(CDocument* doc);

  UINT m_nIDResource;
  const CRuntimeClass* m_pDocClass;
  const CRuntimeClass* m_pFrameClass;
  const CRuntimeClass* m_pViewClass;
  std::string m_strDocStrings;

  friend class CDocument;
};

// One document at a time: New and Open reuse the document, its frame and
// its view and only repeat the frame's initial update.
class CSingleDocTemplate : public CDocTemplate {
 public:
  using CDocTemplate::CDocTemplate;
  ~CSingleDocTemplate() override;

  CDocument* OpenDocumentFile(const char* pathName, bool makeVisible = true) override;
  const std::vector<CDocument*>& GetDocuments() const override { return m_docs; }

 protected:
  void AddDocument(CDocument* doc) override;
  void RemoveDocument(CDocument* doc) override;

 private:
  std::vector<CDocument*> m_docs;  // none or one
};

// The application's templates and the New and Open commands over them.
class CDocManager {
 public:
  ~CDocManager();

  void AddDocTemplate(CDocTemplate* docTemplate) { m_templates.push_back(docTemplate); }
  const std::vector<CDocTemplate*>& GetTemplates() const { return m_templates; }

  void OnFileNew();
  void OnFileOpen();
  CDocument* OpenDocumentFile(const char* pathName);
  // The system's file dialog; false on cancel. fileName holds the proposed
  // name on entry and the chosen path on return.
  bool DoPromptFileName(std::string& fileName, bool openDialog, CDocTemplate* docTemplate);

 private:
  std::vector<CDocTemplate*> m_templates;
};
