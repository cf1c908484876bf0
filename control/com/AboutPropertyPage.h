// The control's About property page, as the host's property frame sees it.
#pragma once

#include <memory>
#include <string>

#include "Scribbet_h.h"
#include "control/AboutProperty.h"
#include "control/com/implements.h"
#include "control/com/owners.h"

namespace scribbet::com {

inline constexpr wchar_t kAboutPageTitle[] = L"About ...";

class AboutPropertyPage : public Implements<IPropertyPage, _AboutProperty> {
 public:
  AboutPropertyPage();
  ~AboutPropertyPage() override;

  // IDispatch (_AboutProperty has no members of its own)
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) noexcept override;

  // IPropertyPage
  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) noexcept override;
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) noexcept override;
  HRESULT STDMETHODCALLTYPE Deactivate() noexcept override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) noexcept override;
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) noexcept override;
  HRESULT STDMETHODCALLTYPE Show(UINT command) noexcept override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) noexcept override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() noexcept override;
  HRESULT STDMETHODCALLTYPE Apply() noexcept override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR) noexcept override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) noexcept override;

 private:
  // The picture outlives the page's window, which draws its bitmap.
  ComPtr<IPicture> logo_;
  ComPtr<IPropertyPageSite> site_;
  // The page's surface and handlers, from Activate to Deactivate.
  std::unique_ptr<AboutProperty> page_;
};

}  // namespace scribbet::com
