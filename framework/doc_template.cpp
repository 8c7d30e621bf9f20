#include "framework/doc_template.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/framework_texts.h"
#include "framework/resource_strings.h"
#include "framework/view.h"
#include "framework/win_app.h"

namespace {

// 空のﾄﾞｷｭﾒﾝﾄの作成に失敗しました。
constexpr char kCannotCreateDocument[] =
    "\x8b\xf3\x82\xcc\xc4\xde\xb7\xad\xd2\xdd\xc4\x82\xcc\x8d\xec\x90\xac\x82\xc9\x8e\xb8\x94\x73"
    "\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42";

bool SamePath(const std::string& a, const std::string& b) {
  return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
         CSTR_EQUAL;
}

std::string FullPath(const char* path) {
  char full[MAX_PATH * 4];
  const DWORD length = ::GetFullPathNameA(path, sizeof full, full, nullptr);
  return (length > 0 && length < sizeof full) ? std::string(full, length) : std::string(path);
}

}  // namespace

CDocTemplate::CDocTemplate(UINT idResource, const CRuntimeClass* docClass,
                           const CRuntimeClass* frameClass, const CRuntimeClass* viewClass)
    : m_nIDResource(idResource),
      m_pDocClass(docClass),
      m_pFrameClass(frameClass),
      m_pViewClass(viewClass),
      m_strDocStrings(LoadResourceString(idResource)) {}

bool CDocTemplate::GetDocString(std::string& out, DocStringIndex index) const {
  out = ExtractSubString(m_strDocStrings, index);
  return !out.empty();
}

void CDocTemplate::Attach(CDocument* doc) {
  doc->m_pDocTemplate = this;
  AddDocument(doc);
}

CDocument* CDocTemplate::CreateNewDocument() {
  CObject* object = m_pDocClass->CreateObject();
  if (object == nullptr || !object->IsKindOf(&CDocument::classCDocument)) {
    delete object;
    return nullptr;
  }
  CDocument* doc = static_cast<CDocument*>(object);
  Attach(doc);
  return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* doc) {
  CCreateContext context;
  context.m_pCurrentDoc = doc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  CObject* object = m_pFrameClass->CreateObject();
  if (object == nullptr || !object->IsKindOf(&CFrameWnd::classCFrameWnd)) {
    delete object;
    return nullptr;
  }
  CFrameWnd* frame = static_cast<CFrameWnd*>(object);
  context.m_pCurrentFrame = frame;
  if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
    // A window that came to be deletes its object when destroyed.
    if (frame->m_hWnd != nullptr) {
      frame->DestroyWindow();
    } else {
      delete frame;
    }
    return nullptr;
  }
  return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, bool makeVisible) {
  frame->InitialUpdateFrame(doc, makeVisible ? TRUE : FALSE);
}

void CDocTemplate::SetDefaultTitle(CDocument* doc) {
  std::string title;
  if (!GetDocString(title, docName)) title = framework_texts::kUntitled;
  doc->SetTitle(title);
}


CSingleDocTemplate::~CSingleDocTemplate() {
  std::vector<CDocument*> docs = m_docs;
  for (CDocument* doc : docs) delete doc;
}

void CSingleDocTemplate::AddDocument(CDocument* doc) { m_docs.assign(1, doc); }

void CSingleDocTemplate::RemoveDocument(CDocument* doc) {
  m_docs.erase(std::remove(m_docs.begin(), m_docs.end(), doc), m_docs.end());
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* pathName, bool makeVisible) {
  CDocument* doc = nullptr;
  CFrameWnd* frame = nullptr;
  bool created = false;
  if (!m_docs.empty()) {
    doc = m_docs.front();
    if (!doc->SaveModified()) return nullptr;
    if (!doc->GetViews().empty()) frame = doc->GetViews().front()->GetParentFrame();
  } else {
    doc = CreateNewDocument();
    created = true;
  }
  if (doc == nullptr) {
    AfxMessageBox(kCannotCreateDocument, MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
  }
  if (frame == nullptr) {
    frame = CreateNewFrame(doc);
    if (frame == nullptr) {
      AfxMessageBox(kCannotCreateDocument, MB_OK | MB_ICONEXCLAMATION);
      if (created) delete doc;
      return nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == nullptr) app->m_pMainWnd = frame;
  }

  if (pathName == nullptr) {
    SetDefaultTitle(doc);
    if (!doc->OnNewDocument()) {
      if (created) frame->DestroyWindow();
      return nullptr;
    }
  } else {
    if (!doc->OnOpenDocument(pathName)) {
      // A frame made for this open alone goes again; an existing document
      // stays as it was.
      if (created) frame->DestroyWindow();
      return nullptr;
    }
    doc->SetPathName(pathName);
  }
  InitialUpdateFrame(frame, doc, makeVisible);
  return doc;
}

CDocManager::~CDocManager() {
  for (CDocTemplate* docTemplate : m_templates) delete docTemplate;
}

void CDocManager::OnFileNew() {
  if (m_templates.empty()) return;
  m_templates.front()->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  std::string fileName;
  if (!DoPromptFileName(fileName, true, nullptr)) return;
  OpenDocumentFile(fileName.c_str());
}

CDocument* CDocManager::OpenDocumentFile(const char* pathName) {
  if (m_templates.empty()) return nullptr;
  const std::string full = FullPath(pathName);
  // The file that is already open: only bring its frame forward.
  for (CDocTemplate* docTemplate : m_templates) {
    for (CDocument* doc : docTemplate->GetDocuments()) {
      if (!doc->GetPathName().empty() && SamePath(doc->GetPathName(), full)) {
        if (!doc->GetViews().empty()) {
          CFrameWnd* frame = doc->GetViews().front()->GetParentFrame();
          if (frame != nullptr) {
            if (::IsIconic(frame->m_hWnd)) frame->ShowWindow(SW_RESTORE);
            ::SetForegroundWindow(frame->m_hWnd);
          }
        }
        return doc;
      }
    }
  }
  return m_templates.front()->OpenDocumentFile(full.c_str());
}


bool CDocManager::DoPromptFileName(std::string& fileName, bool openDialog,
                                   CDocTemplate* docTemplate) {
  // The document type's own filter when it names one, then all files.
  std::string filter;
  std::string filterName, filterExt;
  if (docTemplate != nullptr && docTemplate->GetDocString(filterName, CDocTemplate::filterName) &&
      docTemplate->GetDocString(filterExt, CDocTemplate::filterExt)) {
    filter += filterName + '\0' + "*" + filterExt + '\0';
  }
  filter += std::string(framework_texts::kAllFilesFilter) + '\0' +
            framework_texts::kAllFilesPattern + '\0' + '\0';

  std::vector<char> buffer(MAX_PATH * 4, '\0');
  fileName.copy(buffer.data(), buffer.size() - 1);

  CWinApp* app = AfxGetApp();
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = openDialog ? framework_texts::kOpenTitle : framework_texts::kSaveAsTitle;
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
              (openDialog ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
  const BOOL chosen = openDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
  if (!chosen) return false;
  fileName = buffer.data();
  return true;
}
