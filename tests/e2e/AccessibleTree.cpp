#include "e2e/AccessibleTree.h"

namespace launcher::test {
namespace {

// The tests load the accessibility library as the launcher does: it is not
// one of the libraries Windows always takes from its own folder.
template <typename Function>
Function Oleacc(const char* name) {
  static HMODULE library = LoadLibraryA("oleacc.dll");
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::string Utf8(BSTR text) {
  if (!text) return {};
  const int length = static_cast<int>(SysStringLen(text));
  std::string out(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  SysFreeString(text);
  return out;
}

VARIANT Id(long childId) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = childId;
  return id;
}

}  // namespace

AccessibleTree::AccessibleTree(HWND window) {
  apartment_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
  if (const auto fromWindow = Oleacc<FromWindow>("AccessibleObjectFromWindow")) {
    if (FAILED(fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                          reinterpret_cast<void**>(&object_)))) {
      object_ = nullptr;
    }
  }
}

AccessibleTree::~AccessibleTree() {
  if (object_) object_->Release();
  if (apartment_) CoUninitialize();
}

AccessibleNode AccessibleTree::Read(IAccessible* object, long childId) const {
  AccessibleNode node;
  node.childId = childId;
  const VARIANT id = Id(childId);
  VARIANT value;
  VariantInit(&value);
  if (SUCCEEDED(object->get_accRole(id, &value)) && value.vt == VT_I4) node.role = value.lVal;
  VariantInit(&value);
  if (SUCCEEDED(object->get_accState(id, &value)) && value.vt == VT_I4) node.state = value.lVal;
  BSTR text = nullptr;
  if (object->get_accName(id, &text) == S_OK) node.name = Utf8(text);
  text = nullptr;
  if (object->get_accDescription(id, &text) == S_OK) node.description = Utf8(text);
  text = nullptr;
  if (object->get_accDefaultAction(id, &text) == S_OK) node.defaultAction = Utf8(text);
  long left = 0, top = 0, width = 0, height = 0;
  if (SUCCEEDED(object->accLocation(&left, &top, &width, &height, id))) node.location = {left, top, left + width, top + height};
  return node;
}

AccessibleNode AccessibleTree::Self() const { return object_ ? Read(object_, CHILDID_SELF) : AccessibleNode{}; }

std::vector<AccessibleNode> AccessibleTree::Children() const {
  std::vector<AccessibleNode> nodes;
  long count = 0;
  if (!object_ || FAILED(object_->get_accChildCount(&count)) || count <= 0) return nodes;
  using ChildrenFn = HRESULT(WINAPI*)(IAccessible*, LONG, LONG, VARIANT*, LONG*);
  std::vector<VARIANT> children(static_cast<size_t>(count));
  LONG obtained = 0;
  if (FAILED(Oleacc<ChildrenFn>("AccessibleChildren")(object_, 0, count, children.data(), &obtained))) return nodes;
  for (LONG k = 0; k < obtained; ++k) {
    VARIANT& child = children[static_cast<size_t>(k)];
    if (child.vt == VT_I4) {
      nodes.push_back(Read(object_, child.lVal));
    } else if (child.vt == VT_DISPATCH && child.pdispVal) {
      IAccessible* inner = nullptr;
      if (SUCCEEDED(child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&inner)))) {
        nodes.push_back(Read(inner, CHILDID_SELF));
        inner->Release();
      }
    }
    VariantClear(&child);
  }
  return nodes;
}

long AccessibleTree::Focus() const {
  VARIANT focus;
  VariantInit(&focus);
  if (!object_ || FAILED(object_->get_accFocus(&focus))) return -1;
  const long id = focus.vt == VT_I4 ? focus.lVal : -1;
  VariantClear(&focus);
  return id;
}

long AccessibleTree::HitTest(POINT screen) const {
  VARIANT hit;
  VariantInit(&hit);
  if (!object_ || FAILED(object_->accHitTest(screen.x, screen.y, &hit))) return -1;
  const long id = hit.vt == VT_I4 ? hit.lVal : -1;
  VariantClear(&hit);
  return id;
}

HRESULT AccessibleTree::DoDefaultAction(long childId) const {
  return object_ ? object_->accDoDefaultAction(Id(childId)) : E_POINTER;
}

HRESULT AccessibleTree::ChildCount(long* count) const {
  return object_ ? object_->get_accChildCount(count) : E_POINTER;
}

std::string RoleText(long role) {
  using GetRoleText = UINT(WINAPI*)(DWORD, LPSTR, UINT);
  char text[128] = "";
  Oleacc<GetRoleText>("GetRoleTextA")(static_cast<DWORD>(role), text, sizeof text);
  return text;
}

std::string AccessibleTree::Print() const {
  auto line = [](const AccessibleNode& node, const char* indent) {
    std::string out = indent + RoleText(node.role) + " \"" + node.name + "\"";
    if (!node.description.empty()) out += " description \"" + node.description + "\"";
    if (!node.defaultAction.empty()) out += " action \"" + node.defaultAction + "\"";
    char state[32];
    snprintf(state, sizeof state, " state 0x%lx", node.state);
    char place[64];
    snprintf(place, sizeof place, " at %ld,%ld %ldx%ld", node.location.left, node.location.top,
             node.location.right - node.location.left, node.location.bottom - node.location.top);
    return out + state + place + "\n";
  };
  std::string out = line(Self(), "");
  for (const AccessibleNode& child : Children()) out += line(child, "  ");
  return out;
}

}  // namespace launcher::test
