#include "ui/accessible.h"

#include <oleacc.h>

namespace orlavox::ui {
namespace {

using Link = AccessibleValue::Link;

// Forwards everything to the standard object, except the value of the window
// itself; answers "disconnected" once the window is gone.
#define ORLAVOX_CONNECTED \
  if (!link_->Connected) return CO_E_OBJNOTCONNECTED

class ValueAccessible final : public IAccessible {
 public:
  ValueAccessible(IAccessible* inner, std::shared_ptr<Link> link) : inner_(inner), link_(std::move(link)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    ORLAVOX_CONNECTED;
    return inner_->QueryInterface(iid, out);  // IOleWindow, IEnumVARIANT of the window
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;
    return ULONG(n);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { ORLAVOX_CONNECTED; return inner_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override { ORLAVOX_CONNECTED; return inner_->GetTypeInfo(i, l, t); }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
    ORLAVOX_CONNECTED;
    return inner_->GetIDsOfNames(r, n, c, l, d);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                   UINT* a) override {
    ORLAVOX_CONNECTED;
    return inner_->Invoke(d, r, l, f, p, v, e, a);
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    ORLAVOX_CONNECTED;
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return inner_->get_accValue(child, value);
    const std::string text = link_->Value ? link_->Value() : std::string();
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0);
    *value = SysAllocStringLen(nullptr, UINT(n));
    if (!*value) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), int(text.size()), *value, n);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { ORLAVOX_CONNECTED; return inner_->get_accParent(p); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override { ORLAVOX_CONNECTED; return inner_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** d) override { ORLAVOX_CONNECTED; return inner_->get_accChild(c, d); }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT c, BSTR* n) override { ORLAVOX_CONNECTED; return inner_->get_accName(c, n); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override { ORLAVOX_CONNECTED; return inner_->get_accDescription(c, d); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override { ORLAVOX_CONNECTED; return inner_->get_accRole(c, r); }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override { ORLAVOX_CONNECTED; return inner_->get_accState(c, s); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override { ORLAVOX_CONNECTED; return inner_->get_accHelp(c, h); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, long* t) override {
    ORLAVOX_CONNECTED;
    return inner_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* k) override {
    ORLAVOX_CONNECTED;
    return inner_->get_accKeyboardShortcut(c, k);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override { ORLAVOX_CONNECTED; return inner_->get_accFocus(f); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override { ORLAVOX_CONNECTED; return inner_->get_accSelection(s); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* a) override {
    ORLAVOX_CONNECTED;
    return inner_->get_accDefaultAction(c, a);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override { ORLAVOX_CONNECTED; return inner_->accSelect(f, c); }
  HRESULT STDMETHODCALLTYPE accLocation(long* l, long* t, long* w, long* h, VARIANT c) override {
    ORLAVOX_CONNECTED;
    return inner_->accLocation(l, t, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT s, VARIANT* e) override { ORLAVOX_CONNECTED; return inner_->accNavigate(d, s, e); }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* c) override { ORLAVOX_CONNECTED; return inner_->accHitTest(x, y, c); }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override { ORLAVOX_CONNECTED; return inner_->accDoDefaultAction(c); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override { ORLAVOX_CONNECTED; return inner_->put_accName(c, n); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override { ORLAVOX_CONNECTED; return inner_->put_accValue(c, v); }

 private:
  ~ValueAccessible() { inner_->Release(); }
  LONG refs_ = 1;
  IAccessible* inner_;
  std::shared_ptr<Link> link_;
};

#undef ORLAVOX_CONNECTED

}  // namespace

AccessibleValue::AccessibleValue(std::function<std::string()> value) : link_(std::make_shared<Link>()) {
  link_->Value = std::move(value);
}

AccessibleValue::~AccessibleValue() { Disconnect(); }

void AccessibleValue::Disconnect() {
  link_->Connected = false;
  link_->Value = nullptr;  // whatever it captured is not reached again
}

LRESULT AccessibleValue::Answer(HWND hwnd, WPARAM wp, LPARAM lp) {
  if (!link_->Connected) return 0;
  if (static_cast<LONG>(lp) != static_cast<LONG>(OBJID_CLIENT)) return 0;
  IAccessible* inner = nullptr;
  if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&inner))) ||
      !inner)
    return 0;
  auto* object = new ValueAccessible(inner, link_);
  const LRESULT result = LresultFromObject(IID_IAccessible, wp, object);
  object->Release();  // the result holds its own reference
  return SUCCEEDED(result) || result > 0 ? result : 0;
}

}  // namespace orlavox::ui
