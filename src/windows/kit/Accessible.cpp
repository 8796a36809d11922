#include "windows/kit/Accessible.h"

#include <algorithm>
#include <new>

#include "windows/system/Handles.h"
#include "windows/system/SystemLibrary.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using AccessibleObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);

// The accessibility library is loaded when the first screen reader asks.
template <typename Function>
Function Oleacc(const char* name) {
  return SystemLibraryFunction<Function>("oleacc.dll", name);
}

// A text as the client frees it; none (S_FALSE) for an empty text.
HRESULT ReturnText(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  static const auto allocate = SystemLibraryFunction<SysAllocStringLenFn>("oleaut32.dll", "SysAllocStringLen");
  if (!allocate) return E_OUTOFMEMORY;
  const std::wstring wide = Wide(text);
  *out = allocate(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnNumber(long number, VARIANT* out) {
  if (!out) return E_POINTER;
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

HRESULT ReturnNothing(VARIANT* out) {
  if (!out) return E_POINTER;
  out->vt = VT_EMPTY;
  return S_FALSE;
}

// The system's object for a child window, as its parent lists it; none
// when there is no such object.
ComPtr<IAccessible> WindowObject(HWND window) {
  static const auto fromWindow = Oleacc<AccessibleObjectFromWindowFn>("AccessibleObjectFromWindow");
  ComPtr<IAccessible> object;
  if (fromWindow &&
      FAILED(fromWindow(window, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IAccessible),
                        reinterpret_cast<void**>(object.Out())))) {
    object.Reset();
  }
  return object;
}

// No exception may leave a call that came through COM: one that cannot be
// answered fails.
template <typename Work>
HRESULT Guarded(Work work) noexcept {
  try {
    return work();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

VARIANT SelfId() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

}  // namespace

class AccessibleWindow::Object final : public IAccessible {
 public:
  Object(HWND window, AccessibleItems& items, long role) : window_(window), items_(&items), role_(role) {
    const auto create = Oleacc<CreateStdAccessibleObjectFn>("CreateStdAccessibleObject");
    if (create && FAILED(create(window, OBJID_CLIENT, __uuidof(IAccessible),
                                reinterpret_cast<void**>(standard_.Out())))) {
      standard_.Reset();
    }
  }

  void Disconnect() {
    items_ = nullptr;
    standard_.Reset();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Clients call the interface's entries directly; there is no type
  // information to dispatch by name.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!items_) return CO_E_OBJNOTCONNECTED;
    return standard_.Get() ? standard_->get_accParent(parent) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    if (!items_) return CO_E_OBJNOTCONNECTED;
    return Guarded([&] {
      *count = items_->AccessibleItemCount();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!items_) return CO_E_OBJNOTCONNECTED;
    return Guarded([&] {
      const int index = IndexOf(child);
      if (index < 0) return E_INVALIDARG;
      const HWND window = items_->AccessibleItemAt(index).window;
      if (!window) return S_FALSE;  // an item of this object, named by its number
      *out = WindowObject(window).Detach();
      return *out ? S_OK : E_FAIL;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Ask(Question::kName, child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Ask(Question::kValue, child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return Ask(Question::kDescription, child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Ask(Question::kRole, child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Ask(Question::kState, child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return ReturnText({}, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT, long* topic) override {
    if (topic) *topic = 0;
    return ReturnText({}, helpFile);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Ask(Question::kShortcut, child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Ask(Question::kDefaultAction, child, action);
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    if (!items_) return CO_E_OBJNOTCONNECTED;
    return Guarded([&] {
      const HWND focused = GetFocus();
      if (focused == window_) return ReturnItem(items_->AccessibleFocus(), focus);
      for (int index = 0, count = items_->AccessibleItemCount(); focused && index < count; ++index) {
        const HWND window = items_->AccessibleItemAt(index).window;
        if (window && (window == focused || IsChild(window, focused))) return ReturnItem(index, focus);
      }
      return ReturnNothing(focus);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return items_ ? ReturnNothing(selection) : CO_E_OBJNOTCONNECTED;
  }

  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return Ask(Question::kSelect, child, &flags);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    long place[4] = {};
    const HRESULT result = Ask(Question::kLocation, child, place);
    *left = place[0];
    *top = place[1];
    *width = place[2];
    *height = place[3];
    return result;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    if (!items_) return CO_E_OBJNOTCONNECTED;
    return Guarded([&] {
      const int count = items_->AccessibleItemCount();
      if (IsSelf(start)) {
        if (direction == NAVDIR_FIRSTCHILD && count > 0) return ReturnItem(0, end);
        if (direction == NAVDIR_LASTCHILD && count > 0) return ReturnItem(count - 1, end);
        if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD || !standard_.Get()) {
          return ReturnNothing(end);
        }
        return standard_->accNavigate(direction, start, end);
      }
      const int index = IndexOf(start);
      if (index < 0) return E_INVALIDARG;
      const int next = direction == NAVDIR_NEXT ? index + 1 : direction == NAVDIR_PREVIOUS ? index - 1 : -1;
      return next >= 0 && next < count ? ReturnItem(next, end) : ReturnNothing(end);
    });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    if (!items_) return CO_E_OBJNOTCONNECTED;
    return Guarded([&] {
      POINT point{x, y};
      RECT client;
      ScreenToClient(window_, &point);
      GetClientRect(window_, &client);
      if (!PtInRect(&client, point)) return ReturnNothing(hit);
      return ReturnItem(items_->AccessibleItemAtPoint(point), hit);
    });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    long unused = 0;
    return Ask(Question::kDoDefaultAction, child, &unused);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~Object() = default;  // only Release deletes

  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  // The item a child id names; -1 for the window itself or no item.
  int IndexOf(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > items_->AccessibleItemCount()) return -1;
    return static_cast<int>(child.lVal) - 1;
  }
  // An item as a child: a child window by its object, others by number.
  HRESULT ReturnItem(int index, VARIANT* out) const {
    const HWND window = index >= 0 ? items_->AccessibleItemAt(index).window : nullptr;
    if (!window) return ReturnNumber(index < 0 ? CHILDID_SELF : index + 1, out);
    out->vt = VT_DISPATCH;
    out->pdispVal = WindowObject(window).Detach();
    return out->pdispVal ? S_OK : ReturnNothing(out);
  }
  enum class Question {
    kName, kValue, kDescription, kRole, kState, kShortcut, kDefaultAction, kSelect, kLocation, kDoDefaultAction
  };

  // Answers a question about the window itself from the system's object
  // (its role, and the name it gives, excepted), about a child window from
  // that window's object, and about an item from the item. `out` is the
  // entry's result.
  HRESULT Ask(Question question, const VARIANT& child, void* out) const {
    return Guarded([&] { return Reply(question, child, out); });
  }

  HRESULT Reply(Question question, const VARIANT& child, void* out) const {
    if (!out) return E_POINTER;
    // Nothing undefined goes back, whatever the answer.
    if (question == Question::kRole || question == Question::kState) {
      static_cast<VARIANT*>(out)->vt = VT_EMPTY;
    } else if (question < Question::kSelect) {
      *static_cast<BSTR*>(out) = nullptr;
    }
    if (!items_) return CO_E_OBJNOTCONNECTED;
    if (IsSelf(child)) {
      if (question == Question::kRole) return ReturnNumber(role_, static_cast<VARIANT*>(out));
      if (question == Question::kName) {
        const std::string name = items_->AccessibleName();
        if (!name.empty()) return ReturnText(name, static_cast<BSTR*>(out));
      }
      return standard_.Get() ? Forward(*standard_.Get(), question, child, out) : S_FALSE;
    }
    const int index = IndexOf(child);
    if (index < 0) return E_INVALIDARG;
    const AccessibleItem item = items_->AccessibleItemAt(index);
    if (!item.window) return Own(question, item, index, out);
    const ComPtr<IAccessible> object = WindowObject(item.window);
    return object.Get() ? Forward(*object.Get(), question, SelfId(), out) : E_FAIL;
  }

  static HRESULT Forward(IAccessible& object, Question question, const VARIANT& id, void* out) {
    auto* text = static_cast<BSTR*>(out);
    auto* variant = static_cast<VARIANT*>(out);
    auto* numbers = static_cast<long*>(out);
    switch (question) {
      case Question::kName: return object.get_accName(id, text);
      case Question::kValue: return object.get_accValue(id, text);
      case Question::kDescription: return object.get_accDescription(id, text);
      case Question::kRole: return object.get_accRole(id, variant);
      case Question::kState: return object.get_accState(id, variant);
      case Question::kShortcut: return object.get_accKeyboardShortcut(id, text);
      case Question::kDefaultAction: return object.get_accDefaultAction(id, text);
      case Question::kSelect: return object.accSelect(numbers[0], id);
      case Question::kLocation: return object.accLocation(numbers, numbers + 1, numbers + 2, numbers + 3, id);
      case Question::kDoDefaultAction: return object.accDoDefaultAction(id);
    }
    return E_INVALIDARG;
  }

  HRESULT Own(Question question, const AccessibleItem& item, int index, void* out) const {
    auto* text = static_cast<BSTR*>(out);
    auto* variant = static_cast<VARIANT*>(out);
    auto* numbers = static_cast<long*>(out);
    switch (question) {
      case Question::kName: return ReturnText(item.name, text);
      case Question::kDescription: return ReturnText(item.description, text);
      case Question::kValue:
      case Question::kShortcut: return ReturnText({}, text);
      case Question::kDefaultAction: return ReturnText(item.defaultAction ? item.defaultAction : "", text);
      case Question::kRole: return ReturnNumber(item.role, variant);
      case Question::kState: return ReturnNumber(item.state, variant);
      case Question::kSelect:
        if (!(numbers[0] & SELFLAG_TAKEFOCUS)) return E_NOTIMPL;
        items_->AccessibleTakeFocus(index);
        return S_OK;
      case Question::kLocation: {
        POINT corners[] = {{item.bounds.left, item.bounds.top}, {item.bounds.right, item.bounds.bottom}};
        for (POINT& corner : corners) ClientToScreen(window_, &corner);
        // In a mirrored window an item's right edge is its left one on the screen.
        numbers[0] = std::min(corners[0].x, corners[1].x);
        numbers[1] = corners[0].y;
        numbers[2] = item.bounds.right - item.bounds.left;
        numbers[3] = item.bounds.bottom - item.bounds.top;
        return S_OK;
      }
      case Question::kDoDefaultAction:
        if (!item.defaultAction) return DISP_E_MEMBERNOTFOUND;
        items_->AccessibleDefaultAction(index);
        return S_OK;
    }
    return E_INVALIDARG;
  }

  LONG references_ = 1;
  HWND window_;
  AccessibleItems* items_;  // null once the window is gone
  long role_;
  ComPtr<IAccessible> standard_;
};

AccessibleWindow::AccessibleWindow(HWND window, AccessibleItems& items, long role)
    : window_(window), items_(items), role_(role) {}

AccessibleWindow::~AccessibleWindow() {
  if (object_.Get()) object_->Disconnect();
}

LRESULT AccessibleWindow::Answer(WPARAM wParam, LPARAM lParam) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  static const auto fromObject = Oleacc<LresultFromObjectFn>("LresultFromObject");
  if (!fromObject) return 0;
  if (!object_.Get()) {
    // Handing the object to another process goes through COM's apartment.
    if (!apartment_) apartment_.emplace();
    *object_.Out() = new (std::nothrow) Object(window_, items_, role_);
    if (!object_.Get()) return 0;
  }
  return fromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object_.Get()));
}

void AccessibleWindow::Notify(DWORD event, int index) const {
  NotifyWinEvent(event, window_, OBJID_CLIENT, index < 0 ? CHILDID_SELF : index + 1);
}

}  // namespace launcher
