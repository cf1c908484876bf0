// The About page: a surface of the page's size inside the host's property
// frame. It reads and changes nothing of the control, so it is never dirty
// and has nothing to apply.
#include "control/com/AboutPropertyPage.h"

#include "control/com/com_error.h"

namespace scribbet::com {

AboutPropertyPage::AboutPropertyPage() = default;

AboutPropertyPage::~AboutPropertyPage() { DestroyWindow(); }

void AboutPropertyPage::DestroyWindow() noexcept {
  if (window_) ::DestroyWindow(window_);
  window_ = nullptr;
}

HRESULT AboutPropertyPage::GetTypeInfoCount(UINT* count) noexcept {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT AboutPropertyPage::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return Boundary(IID_IDispatch, [&] {
    *info = TypeInfoOf(IID__AboutProperty);
    return S_OK;
  });
}

HRESULT AboutPropertyPage::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                         DISPID* ids) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids) return E_POINTER;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT AboutPropertyPage::Invoke(DISPID, REFIID iid, LCID, WORD, DISPPARAMS*, VARIANT*,
                                  EXCEPINFO*, UINT*) noexcept {
  return iid != IID_NULL ? DISP_E_UNKNOWNINTERFACE : DISP_E_MEMBERNOTFOUND;
}

HRESULT AboutPropertyPage::SetPageSite(IPropertyPageSite* site) noexcept {
  site_ = site;
  return S_OK;
}

HRESULT AboutPropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) noexcept {
  if (!rect) return E_POINTER;
  DestroyWindow();
  window_ = ::CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "", WS_CHILD | WS_CLIPCHILDREN,
                              rect->left, rect->top, rect->right - rect->left,
                              rect->bottom - rect->top, parent, nullptr, nullptr, nullptr);
  return window_ ? S_OK : HRESULT_FROM_WIN32(::GetLastError());
}

HRESULT AboutPropertyPage::Deactivate() noexcept {
  DestroyWindow();
  return S_OK;
}

HRESULT AboutPropertyPage::GetPageInfo(PROPPAGEINFO* info) noexcept {
  if (!info) return E_POINTER;
  info->cb = sizeof *info;
  info->pszTitle = static_cast<LPOLESTR>(::CoTaskMemAlloc(sizeof kAboutPageTitle));
  if (!info->pszTitle) return E_OUTOFMEMORY;
  std::copy(std::begin(kAboutPageTitle), std::end(kAboutPageTitle), info->pszTitle);
  info->size = kAboutPageSize;
  info->pszDocString = nullptr;
  info->pszHelpFile = nullptr;
  info->dwHelpContext = 0;
  return S_OK;
}

HRESULT AboutPropertyPage::SetObjects(ULONG count, IUnknown** objects) noexcept {
  return count && !objects ? E_POINTER : S_OK;
}

HRESULT AboutPropertyPage::Show(UINT command) noexcept {
  if (window_) ::ShowWindow(window_, command);
  return S_OK;
}

HRESULT AboutPropertyPage::Move(LPCRECT rect) noexcept {
  if (!rect) return E_POINTER;
  if (window_)
    ::MoveWindow(window_, rect->left, rect->top, rect->right - rect->left,
                 rect->bottom - rect->top, TRUE);
  return S_OK;
}

HRESULT AboutPropertyPage::IsPageDirty() noexcept { return S_FALSE; }
HRESULT AboutPropertyPage::Apply() noexcept { return S_OK; }
HRESULT AboutPropertyPage::Help(LPCOLESTR) noexcept { return E_NOTIMPL; }
HRESULT AboutPropertyPage::TranslateAccelerator(MSG*) noexcept { return S_FALSE; }

}  // namespace scribbet::com
