#include "platform/os/Handles.h"

namespace plat {

struct NativeInstance {
  int unused;
};

InstanceHandle ProcessInstance() {
  static NativeInstance instance{0};
  return &instance;
}

}  // namespace plat
