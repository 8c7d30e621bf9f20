#pragma once

#include "framework/document.h"

// The single-document model needs a document; this one holds no data,
// reads nothing and writes nothing.
class CTavrilondDoc : public CDocument {
 public:
  static const CRuntimeClass classCTavrilondDoc;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCTavrilondDoc; }

  void Serialize(CArchive& archive) override;
  BOOL OnNewDocument() override;
};
