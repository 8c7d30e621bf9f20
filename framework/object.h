#pragma once

// Root of the framework's classes and the records that let the framework
// create a document, frame or view by class.

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;
  CObject* (*m_pfnCreateObject)();

  // A new object of the class, or nullptr when the class cannot be created
  // by record.
  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
 public:
  static const CRuntimeClass classCObject;

  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
  bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

 protected:
  CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

// The creation function of a runtime-class record.
template <class T>
CObject* CreateObjectOf() {
  return new T;
}
