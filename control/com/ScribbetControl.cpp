// The control object: creation, WriteEvent through the vtable and through
// IDispatch, type information, property pages, error information, events.
#include "control/com/ScribbetControl.h"

#include "control/com/com_error.h"
#include "control/com/type_info.h"
#include "control/com/dispatch_arguments.h"

#include <algorithm>
#include <optional>
#include <vector>


namespace scribbet::com {

ScribbetControl::ScribbetControl() {
  // The instance's Initialize event: the start-up check of the system.
  logic_.UserControl_Initialize();
}

ScribbetControl::~ScribbetControl() = default;

namespace {

// One WriteEvent as either COM path makes it: the caller's texts are read
// where they are, and what the call changed comes back for the caller's
// variables, each only where it differs from what the caller passed.
struct WriteBack {
  std::int16_t result;
  std::optional<std::u16string> message;
  std::optional<std::int16_t> type;
  std::optional<std::u16string> name;
};

WriteBack CallWriteEvent(Scribbet& logic, std::u16string_view message, std::int16_t type,
                         std::u16string_view name) {
  WriteBack back{};
  std::int16_t typeAfter = type;
  std::u16string nameAfter(name);
  back.result = logic.WriteEvent(message, back.message, typeAfter, nameAfter);
  if (typeAfter != type) back.type = typeAfter;
  if (nameAfter != name) back.name = std::move(nameAfter);
  return back;
}

}  // namespace

HRESULT ScribbetControl::WriteEvent(BSTR* MessageString, short* TypeOfEvent, BSTR* YourAppName,
                                    short* result) noexcept {
  if (!MessageString || !TypeOfEvent || !result) return E_POINTER;
  return Boundary(IID__Scribbet, [&] {
    const WriteBack back = CallWriteEvent(logic_, ViewOf(*MessageString), *TypeOfEvent,
                                          YourAppName ? ViewOf(*YourAppName) : u"");
    // New strings first, so running out of memory changes nothing.
    unique_bstr newMessage, newName;
    if (back.message) newMessage = MakeBstr(*back.message);
    if (YourAppName && back.name) newName = MakeBstr(*back.name);
    if (newMessage) {
      ::SysFreeString(*MessageString);
      *MessageString = newMessage.release();
    }
    if (newName) {
      ::SysFreeString(*YourAppName);
      *YourAppName = newName.release();
    }
    if (back.type) *TypeOfEvent = *back.type;
    *result = back.result;
    return S_OK;
  });
}

HRESULT ScribbetControl::GetTypeInfoCount(UINT* count) noexcept { return OneTypeInfo(count); }

HRESULT ScribbetControl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
  return TypeInfoFromLibrary(IID__Scribbet, index, info);
}

HRESULT ScribbetControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                       DISPID* ids) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids) return E_POINTER;
  return Boundary(IID_IDispatch, [&] {
    // The method's name first, then its parameters' names, found without
    // regard to case; every name that is none of them gets DISPID_UNKNOWN.
    std::fill(ids, ids + count, DISPID_UNKNOWN);
    ComPtr<ITypeInfo> info;
    info.Attach(TypeInfoOf(IID__Scribbet));
    return info->GetIDsOfNames(names, count, ids);
  });
}

HRESULT ScribbetControl::Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception,
                                UINT* argumentError) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (member != kDispidWriteEvent || !(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (!params || (params->cArgs && !params->rgvarg)) return E_INVALIDARG;
  if (params->cNamedArgs &&
      (!params->rgdispidNamedArgs || params->cNamedArgs > params->cArgs))
    return E_INVALIDARG;
  const UINT count = params->cArgs;
  if (count < 2 || count > 3) return DISP_E_BADPARAMCOUNT;
  try {
    // Named arguments (as VBA and Visual Basic send them) are put at their
    // places first; from there on every argument is read alike.
    const std::vector<PlacedArgument> arguments = PlaceArguments(*params, 3);
    if (!arguments[0].value || !arguments[1].value) return DISP_E_PARAMNOTOPTIONAL;
    VARIANT& messageArg = *arguments[0].value;
    VARIANT& typeArg = *arguments[1].value;
    VARIANT* nameArg = arguments[2].value;
    const TextArgument message(messageArg, arguments[0].index);
    const std::int16_t type = ShortArgument(typeArg, arguments[1].index);
    std::optional<TextArgument> name;
    if (nameArg) name.emplace(*nameArg, arguments[2].index);

    const WriteBack back =
        CallWriteEvent(logic_, message.view(), type, name ? name->view() : u"");

    if (back.message) StoreText(messageArg, *back.message);
    if (back.type) StoreShort(typeArg, *back.type);
    if (nameArg && back.name) StoreText(*nameArg, *back.name);
    if (result) {
      ::VariantInit(result);
      result->vt = VT_I2;
      result->iVal = back.result;
    }
    return S_OK;
  } catch (const ArgumentError& error) {
    if (argumentError) *argumentError = error.index;
    return error.hr;
  } catch (...) {
    const ErrorDescription error = DescribeCurrentError();
    ReportError(error, IID__Scribbet);
    if (!exception) return error.hr;
    FillExcepInfo(exception, error);
    return DISP_E_EXCEPTION;
  }
}

HRESULT ScribbetControl::GetClassInfo(ITypeInfo** info) noexcept {
  if (!info) return E_POINTER;
  *info = nullptr;
  return Boundary(IID_IProvideClassInfo, [&] {
    *info = TypeInfoOf(CLSID_Scribbet);
    return S_OK;
  });
}

HRESULT ScribbetControl::GetGUID(DWORD kind, GUID* guid) noexcept {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_INVALIDARG;
  }
  *guid = DIID___Scribbet;
  return S_OK;
}

HRESULT ScribbetControl::GetPages(CAUUID* pages) noexcept {
  if (!pages) return E_POINTER;
  pages->cElems = 0;
  pages->pElems = static_cast<GUID*>(::CoTaskMemAlloc(sizeof(GUID)));
  if (!pages->pElems) return E_OUTOFMEMORY;
  pages->pElems[0] = CLSID_AboutProperty;
  pages->cElems = 1;
  return S_OK;
}

HRESULT ScribbetControl::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
  return iid == IID__Scribbet ? S_OK : S_FALSE;
}

HRESULT ScribbetControl::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  return Boundary(IID_IConnectionPointContainer, [&] {
    return CreateAndQuery<ConnectionPointList>(IID_IEnumConnectionPoints,
                                               reinterpret_cast<void**>(points),
                                               static_cast<IConnectionPointContainer*>(this),
                                               sinks_);
  });
}

HRESULT ScribbetControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (iid != DIID___Scribbet) return CONNECT_E_NOCONNECTION;
  return Boundary(IID_IConnectionPointContainer, [&] {
    return CreateAndQuery<EventSource>(IID_IConnectionPoint, reinterpret_cast<void**>(point),
                                       static_cast<IConnectionPointContainer*>(this), sinks_);
  });
}

}  // namespace scribbet::com
