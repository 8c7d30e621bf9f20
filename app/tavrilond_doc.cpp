#include "app/tavrilond_doc.h"

const CRuntimeClass CTavrilondDoc::classCTavrilondDoc{"CTavrilondDoc", &CDocument::classCDocument,
                                                      &CreateObjectOf<CTavrilondDoc>};

void CTavrilondDoc::Serialize(CArchive&) {}

BOOL CTavrilondDoc::OnNewDocument() { return CDocument::OnNewDocument() ? TRUE : FALSE; }
