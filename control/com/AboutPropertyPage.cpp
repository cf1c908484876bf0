// The About page as the host's property frame sees it. The page's own
// surface and handlers are AboutProperty's; this object places them in the
// frame. It reads and changes nothing of the control, so it is never dirty
// and has nothing to apply.
#include "control/com/AboutPropertyPage.h"

#include "control/com/com_error.h"
#include "control/com/type_info.h"
#include "control/com/maker_logo.h"
#include "control/com/module.h"
#include "platform/screen.h"

namespace scribbet::com {

AboutPropertyPage::AboutPropertyPage() = default;

AboutPropertyPage::~AboutPropertyPage() = default;

HRESULT AboutPropertyPage::GetTypeInfoCount(UINT* count) noexcept { return OneTypeInfo(count); }

HRESULT AboutPropertyPage::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
  return TypeInfoFromLibrary(IID__AboutProperty, index, info);
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
  return Boundary(IID_IPropertyPage, [&] {
    page_.reset();
    if (!logo_) logo_ = LoadMakerLogo();
    const PixelRect place{rect->left, rect->top, rect->right - rect->left,
                          rect->bottom - rect->top};
    page_ = std::make_unique<AboutProperty>(ModuleInstance(), parent, place, BitmapOf(*logo_.Get()));
    return S_OK;
  });
}

HRESULT AboutPropertyPage::Deactivate() noexcept {
  page_.reset();
  return S_OK;
}

HRESULT AboutPropertyPage::GetPageInfo(PROPPAGEINFO* info) noexcept {
  if (!info) return E_POINTER;
  return Boundary(IID_IPropertyPage, [&] {
    // The surface's design in twips at the screen's resolution: the controls
    // are placed at the same scale, so they always fit.
    const PixelRect size = AboutPageSize(platform::ScreenDotsPerInch());
    info->cb = sizeof *info;
    info->pszTitle = static_cast<LPOLESTR>(::CoTaskMemAlloc(sizeof kAboutPageTitle));
    if (!info->pszTitle) return E_OUTOFMEMORY;
    std::copy(std::begin(kAboutPageTitle), std::end(kAboutPageTitle), info->pszTitle);
    info->size = SIZE{size.width, size.height};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
  });
}

HRESULT AboutPropertyPage::SetObjects(ULONG count, IUnknown** objects) noexcept {
  return count && !objects ? E_POINTER : S_OK;
}

HRESULT AboutPropertyPage::Show(UINT command) noexcept {
  if (page_ && page_->Window()) ::ShowWindow(page_->Window(), command);
  return S_OK;
}

HRESULT AboutPropertyPage::Move(LPCRECT rect) noexcept {
  if (!rect) return E_POINTER;
  if (page_ && page_->Window())
    ::MoveWindow(page_->Window(), rect->left, rect->top, rect->right - rect->left,
                 rect->bottom - rect->top, TRUE);
  return S_OK;
}

HRESULT AboutPropertyPage::IsPageDirty() noexcept { return S_FALSE; }
HRESULT AboutPropertyPage::Apply() noexcept { return S_OK; }
HRESULT AboutPropertyPage::Help(LPCOLESTR) noexcept { return E_NOTIMPL; }
HRESULT AboutPropertyPage::TranslateAccelerator(MSG*) noexcept { return S_FALSE; }

}  // namespace scribbet::com
