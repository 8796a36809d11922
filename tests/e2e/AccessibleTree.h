// What a screen reader reads of a window of another process: its client
// object, asked through the system's accessibility library as a screen
// reader asks it, across the process boundary.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace launcher::test {

struct AccessibleNode {
  long childId = CHILDID_SELF;  // CHILDID_SELF for a child that is an object of its own
  long role = 0;
  long state = 0;
  std::string name;  // UTF-8
  std::string description;
  std::string defaultAction;
  RECT location{};  // in screen pixels
};

class AccessibleTree {
 public:
  // The client object of `window`; Valid() is false when there is none.
  explicit AccessibleTree(HWND window);
  ~AccessibleTree();
  AccessibleTree(const AccessibleTree&) = delete;
  AccessibleTree& operator=(const AccessibleTree&) = delete;

  bool Valid() const { return object_ != nullptr; }
  AccessibleNode Self() const;
  // Every child in order; a child that is an object of its own is read as
  // that object.
  std::vector<AccessibleNode> Children() const;
  // The focused child's id, CHILDID_SELF for the object itself, -1 when the
  // focus is elsewhere or on a child object.
  long Focus() const;
  long HitTest(POINT screen) const;
  HRESULT DoDefaultAction(long childId) const;
  HRESULT ChildCount(long* count) const;
  // The object and its children, one a line, as a screen reader would list them.
  std::string Print() const;

 private:
  AccessibleNode Read(IAccessible* object, long childId) const;

  IAccessible* object_ = nullptr;
  bool apartment_ = false;
};

// The name of a role as the system gives it ("push button").
std::string RoleText(long role);

}  // namespace launcher::test
