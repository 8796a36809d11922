#include "windows/kit/AutoPlay.h"

namespace launcher {

bool IsQueryCancelAutoPlay(UINT message) {
  static const UINT query = RegisterWindowMessageA("QueryCancelAutoPlay");
  return query != 0 && message == query;
}

}  // namespace launcher
