#pragma once
// The park-event manager: the events that the park's objects and staff take
// part in (repairs, shows), read from the events description. The main object
// owns one; the world-loading sequence makes it.
class REraduzizEventClass {
 public:
  REraduzizEventClass() = default;
  ~REraduzizEventClass() = default;
  REraduzizEventClass(const REraduzizEventClass&) = delete;
  REraduzizEventClass& operator=(const REraduzizEventClass&) = delete;
};
